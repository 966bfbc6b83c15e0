#include "StatisticsPanel.h"

#include <string>

#include "app/StatsText.h"
#include "i18n/TextTable.h"
#include "measure/CpuUsage.h"
#include "resources/resource.h"

void CStatisticsPanel::DoDataExchange(CDataExchange* pDX)
{
    m_pDialog = pDX->m_pDlgWnd;
    DDX_Control(pDX, IDC_PAGEFILE_LINE, m_lblPageFile);
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
    for (const MeterLook& look : looks) {
        look.meter->m_clrStart = look.start;
        look.meter->m_clrEnd = look.end;
        look.meter->m_clrText = look.text;
        look.meter->m_bShowPercent = 1;
    }
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

void CStatisticsPanel::FormatUptime()
{
    lstrcpynA(m_szUptime, ::FormatUptime(::GetTickCount()).c_str(), sizeof m_szUptime);
}

void CStatisticsPanel::RefreshStatistics(const CMemoryStatus& ms, bool optimizing)
{
    const std::string& kb = GetText(TextKey::KB);
    const std::string& mb = GetText(TextKey::MB);
    const std::string& freeRam = GetText(TextKey::FreeRam);
    const std::string& swapFile = GetText(TextKey::SwapFile);
    if (optimizing) {
        m_pDialog->SetDlgItemTextIfChanged(IDC_FREERAM_LINE, FreeRamPlaceholderLine(freeRam, kb).c_str());
        m_meterFreeRam.SetPos(0);
        m_meterMemoryLoad.SetPos(0);
        m_lblPageFile.SetWindowTextIfChanged(PageFilePlaceholderLine(swapFile, mb).c_str());
        m_meterPageFile.SetPos(0);
        // No processor sample: the first one after the run measures the
        // whole interval.
        m_meterCpu.SetPos(0);
    } else {
        m_pDialog->SetDlgItemTextIfChanged(IDC_FREERAM_LINE, FreeRamLine(freeRam, ms.dwAvailPhys, kb).c_str());
        m_meterFreeRam.SetPos(static_cast<int>(FreePercent(ms.dwAvailPhys, ms.dwTotalPhys)));
        m_meterMemoryLoad.SetPos(static_cast<int>(ms.dwMemoryLoad));
        m_lblPageFile.SetWindowTextIfChanged(
            PageFileLine(swapFile, ms.dwTotalPageFile, ms.dwAvailPageFile, mb).c_str());
        m_meterPageFile.SetPos(PageFileUsedPercent(ms.dwAvailPageFile, ms.dwTotalPageFile));
        m_meterCpu.SetPos(g_cpuUsage.GetCpuUsage());
    }
    m_pDialog->SetDlgItemTextIfChanged(IDC_TOTALRAM_LINE, TotalRamLine(GetText(TextKey::TotalRam), ms.dwTotalPhys, mb).c_str());
    m_pDialog->SetDlgItemTextIfChanged(IDC_MEMORYLOAD_CAPTION, GetText(TextKey::MemoryLoad).c_str());
    FormatUptime();
    m_pDialog->SetDlgItemTextIfChanged(IDC_UPTIME_LINE, UptimeLine(GetText(TextKey::Uptime), m_szUptime).c_str());
}
