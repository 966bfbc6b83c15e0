// What the main window shows, as one value: computed from a memory
// reading, the processor load, the tick count, the trigger level, the
// loaded texts and the state of a run, by plain code. The window, its
// meters, its icons and the tray only show it.
#pragma once

#include <cstdint>
#include <string>

#include "i18n/TextTable.h"
#include "measure/MemoryUnits.h"

// The window's icons: a level icon, or the busy one during a run; the
// program's own before the first view.
enum class WindowIcon { AutoOff, Red, Yellow, Green, Busy, App };

// The level icon: red below 12 percent free, green from 67 percent, yellow
// in between; the auto-off icon whenever automatic optimization is off
// (trigger level 0).
WindowIcon ChooseLevelIcon(std::int32_t triggerLevelMb, double freePercent);

// The tray tip: "Brisklet Free - " followed by text. (The tray cuts it to
// what its tip field holds.)
std::string ComposeTip(const std::string& text);

// The tip right after the icon is added: the free-RAM label, the free
// kilobytes without group separators and the unit word.
std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit);

// The tip of every refresh: the free kilobytes with group separators, the
// unit word and the word for "free".
std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord);

struct MeterView {
    int pos = 0;
    std::string text;  // the percentage drawn on the bar
};

// What a run shows while it lasts, kept by the window's thread from the
// run's reports: the busy icon, zeros on the panel and the run's tip from
// its start until the first tick after it ended; its title until it ends.
struct RunView {
    bool busy = false;
    std::string title;                       // the window title of its current step; empty once it ended
    std::string tipText;                     // after "Brisklet Free - ", in the language of its start
    WindowIcon level = WindowIcon::AutoOff;  // the large icon, as at its start
};

struct MainView {
    std::string freeRamLine;
    std::string memoryLoadCaption;
    std::string totalRamLine;
    std::string pageFileLine;
    std::string uptimeLine;
    MeterView freeRam;
    MeterView memoryLoad;
    MeterView pageFile;
    MeterView cpu;
    WindowIcon largeIcon = WindowIcon::AutoOff;  // Alt+Tab, the minimized window
    WindowIcon smallIcon = WindowIcon::AutoOff;  // title bar, taskbar and tray
    std::string tip;                             // the tray tip (the tray cuts it to its field)
    std::string addTip;                          // the tip of an icon added now
    std::string title;
};

// The view of one reading in the units shown. The processor load is the
// sampler's (0 while a run is busy: it is not sampled then).
MainView FormatMainView(const ShownFigures& figures, int cpuLoad, std::uint32_t tickCount, std::int32_t triggerLevel,
                        const TextStore& texts, const RunView& run);

// The view of one reading.
template <typename Bytes>
MainView ComputeMainView(const MemoryFigures<Bytes>& memory, int cpuLoad, std::uint32_t tickCount,
                         std::int32_t triggerLevel, const TextStore& texts, const RunView& run)
{
    return FormatMainView(ShowFigures(memory), cpuLoad, tickCount, triggerLevel, texts, run);
}
