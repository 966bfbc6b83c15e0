#include "MainView.h"

#include "app/StatsText.h"
#include "resources/Product.h"

namespace {

MeterView Meter(int pos)
{
    return MeterView{pos, MeterPercentText(pos, 100)};
}

}  // namespace

WindowIcon ChooseLevelIcon(std::int32_t triggerLevelMb, double freePercent)
{
    if (triggerLevelMb == 0)
        return WindowIcon::AutoOff;
    if (freePercent < 12.0)
        return WindowIcon::Red;
    if (freePercent >= 67.0)
        return WindowIcon::Green;
    return WindowIcon::Yellow;
}

std::string ComposeTip(const std::string& text)
{
    return std::string(kProductName) + " - " + text;
}

std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit)
{
    return JoinWords(freeRamLabel, std::to_string(freeKb), kbUnit);
}

std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord)
{
    return JoinWords(FormatThousands(static_cast<long long>(freeKb)), kbUnit, freeWord);
}

MainView FormatMainView(const ShownFigures& figures, int cpuLoad, std::uint32_t tickCount, std::int32_t triggerLevel,
                        const TextStore& texts, const RunView& run)
{
    const std::string& kb = texts[TextKey::KB];
    const std::string& mb = texts[TextKey::MB];
    MainView view;
    view.memoryLoadCaption = texts[TextKey::MemoryLoad];
    view.totalRamLine = TotalRamLine(texts[TextKey::TotalRam], figures.totalMb, mb);
    view.uptimeLine = UptimeLine(texts[TextKey::Uptime], FormatUptime(tickCount));
    view.title = run.title.empty() ? kProductName : run.title;
    std::string tipText = run.tipText;
    if (run.busy) {
        view.freeRamLine = FreeRamPlaceholderLine(texts[TextKey::FreeRam], kb);
        view.pageFileLine = PageFilePlaceholderLine(texts[TextKey::SwapFile], mb);
        view.freeRam = view.memoryLoad = view.pageFile = view.cpu = Meter(0);
        view.largeIcon = run.level;
        view.smallIcon = WindowIcon::Busy;
    } else {
        view.freeRamLine = FreeRamLine(texts[TextKey::FreeRam], figures.freeKb, kb);
        view.pageFileLine = PageFileLine(texts[TextKey::SwapFile], figures.pageFileUsedMb, figures.pageFileTotalMb, mb);
        view.freeRam = Meter(static_cast<int>(figures.freePercent));
        view.memoryLoad = Meter(static_cast<int>(figures.memoryLoad));
        view.pageFile = Meter(figures.pageFileUsedPercent);
        view.cpu = Meter(cpuLoad);
        view.largeIcon = view.smallIcon = ChooseLevelIcon(triggerLevel, figures.freePercent);
        tipText = RefreshedTipText(figures.freeKb, kb, texts[TextKey::Free]);
    }
    view.tip = ComposeTip(tipText);
    view.addTip = ComposeTip(FirstTipText(texts[TextKey::FreeRam], figures.freeKb, kb));
    return view;
}
