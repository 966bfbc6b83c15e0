#include "StatisticsPanel.h"

#include <string>

#include "resources/resource.h"

void CStatisticsPanel::DoDataExchange(CDataExchange* pDX)
{
    m_pDialog = pDX->m_pDlgWnd;
    DDX_Control(pDX, IDC_MEMORYLOAD_METER, m_meterMemoryLoad);
    DDX_Control(pDX, IDC_FREERAM_METER, m_meterFreeRam);
    DDX_Control(pDX, IDC_CPU_METER, m_meterCpu);
    DDX_Control(pDX, IDC_PAGEFILE_METER, m_meterPageFile);
}

void CStatisticsPanel::SetupMeters()
{
    struct MeterLook {
        CMeterCtrl* meter;
        COLORREF start, end, text;
    };
    const MeterLook looks[] = {
        {&m_meterFreeRam, RGB(255, 240, 16), RGB(0, 224, 0), RGB(0, 96, 255)},
        {&m_meterMemoryLoad, RGB(255, 255, 255), RGB(160, 10, 0), RGB(255, 238, 0)},
        {&m_meterCpu, RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 255)},
        {&m_meterPageFile, RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 255)},
    };
    for (const MeterLook& look : looks)
        look.meter->SetLook(look.start, look.end, look.text, true);
}

void CStatisticsPanel::OnSysColorChange()
{
    for (CMeterCtrl* meter : {&m_meterFreeRam, &m_meterMemoryLoad, &m_meterCpu, &m_meterPageFile})
        meter->OnSysColorChange();
}

void CStatisticsPanel::OnDisplayChange()
{
    for (CMeterCtrl* meter : {&m_meterFreeRam, &m_meterMemoryLoad, &m_meterCpu, &m_meterPageFile})
        meter->OnDisplayChange();
}

void CStatisticsPanel::Show(const MainView& view, const MainView* shown)
{
    const struct {
        int id;
        const std::string MainView::*line;
    } lines[] = {
        {IDC_FREERAM_LINE, &MainView::freeRamLine},   {IDC_MEMORYLOAD_CAPTION, &MainView::memoryLoadCaption},
        {IDC_TOTALRAM_LINE, &MainView::totalRamLine}, {IDC_PAGEFILE_LINE, &MainView::pageFileLine},
        {IDC_UPTIME_LINE, &MainView::uptimeLine},
    };
    for (const auto& line : lines) {
        if (shown == nullptr || view.*line.line != shown->*line.line)
            m_pDialog->SetDlgItemText(line.id, view.*line.line);
    }
    const struct {
        CMeterCtrl& meter;
        const MeterView& shows;
    } meters[] = {
        {m_meterFreeRam, view.freeRam},
        {m_meterMemoryLoad, view.memoryLoad},
        {m_meterPageFile, view.pageFile},
        {m_meterCpu, view.cpu},
    };
    for (const auto& meter : meters)
        meter.meter.Show(meter.shows.pos, meter.shows.text);
}
