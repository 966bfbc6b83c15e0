#include "MainView.h"

#include "i18n/TextTable.h"
#include "resources/Product.h"

namespace {

MeterView Meter(int pos)
{
    return MeterView{pos, MeterPercentText(pos, 100)};
}

}  // namespace

MainView FormatMainView(const ShownFigures& figures, int cpuLoad, std::uint32_t tickCount, std::int32_t triggerLevel,
                        const RunView& run)
{
    const std::string& kb = GetText(TextKey::KB);
    const std::string& mb = GetText(TextKey::MB);
    MainView view;
    view.memoryLoadCaption = GetText(TextKey::MemoryLoad);
    view.totalRamLine = TotalRamLine(GetText(TextKey::TotalRam), figures.totalMb, mb);
    view.uptimeLine = UptimeLine(GetText(TextKey::Uptime), FormatUptime(tickCount));
    view.title = run.title.empty() ? kProductName : run.title;
    std::string tipText = run.tipText;
    if (run.busy) {
        view.freeRamLine = FreeRamPlaceholderLine(GetText(TextKey::FreeRam), kb);
        view.pageFileLine = PageFilePlaceholderLine(GetText(TextKey::SwapFile), mb);
        view.freeRam = view.memoryLoad = view.pageFile = view.cpu = Meter(0);
        view.largeIcon = run.level;
        view.smallIcon = WindowIcon::Busy;
    } else {
        view.freeRamLine = FreeRamLine(GetText(TextKey::FreeRam), figures.freeKb, kb);
        view.pageFileLine =
            PageFileLine(GetText(TextKey::SwapFile), figures.pageFileUsedMb, figures.pageFileTotalMb, mb);
        view.freeRam = Meter(static_cast<int>(figures.freePercent));
        view.memoryLoad = Meter(static_cast<int>(figures.memoryLoad));
        view.pageFile = Meter(figures.pageFileUsedPercent);
        view.cpu = Meter(cpuLoad);
        view.largeIcon = view.smallIcon = ChooseLevelIcon(triggerLevel, figures.freePercent);
        tipText = RefreshedTipText(figures.freeKb, kb, GetText(TextKey::Free));
    }
    view.tip = ComposeTip(tipText);
    view.addTip = ComposeTip(FirstTipText(GetText(TextKey::FreeRam), figures.freeKb, kb));
    return view;
}
