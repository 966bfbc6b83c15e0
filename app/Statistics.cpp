// The statistics panel: the 500 ms refresh tick, the text lines, the
// meters, the level icon and the tray tip.
#include <string>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "app/StatsText.h"
#include "i18n/TextTable.h"
#include "measure/CpuUsage.h"
#include "resources/resource.h"
#include "ui/TrayTip.h"

void CMainDialog::OnTimer(UINT_PTR)
{
    // Stopped for the work and started again after it, so ticks never pile up.
    KillTimer(kRefreshTimer);
    CMemoryStatus ms;
    ms.Refresh();
    if (TriggerReached(m_nTriggerLevel, ms.dwAvailPhys))
        StartOptimize();
    RefreshStatistics();
    SetTimer(kRefreshTimer, kRefreshMs);
    Default();
}

void CMainDialog::FormatUptime()
{
    lstrcpynA(m_szUptime, ::FormatUptime(::GetTickCount()).c_str(), sizeof m_szUptime);
}

HICON CMainDialog::LevelIconHandle(LevelIcon level) const
{
    switch (level) {
    case LevelIcon::Red:
        return m_hIconRed;
    case LevelIcon::Yellow:
        return m_hIconYellow;
    case LevelIcon::Green:
        return m_hIconGreen;
    case LevelIcon::AutoOff:
        break;
    }
    return m_hIconAutoOff;
}

void CMainDialog::RefreshStatistics()
{
    const std::string& kb = GetText(TextKey::KB);
    const std::string& mb = GetText(TextKey::MB);
    CMemoryStatus ms;

    if (m_pWorkerThread != nullptr) {
        // An optimization runs: zeros instead of live figures, and the
        // window and tray icons stay as the worker set them.
        SetDlgItemTextIfChanged(IDC_FREERAM_LINE, FreeRamPlaceholderLine(GetText(TextKey::FreeRam), kb).c_str());
        m_meterFreeRam.SetPos(0);
        ms.Refresh();
        SetDlgItemTextIfChanged(IDC_TOTALRAM_LINE, TotalRamLine(GetText(TextKey::TotalRam), ms.dwTotalPhys, mb).c_str());
        SetDlgItemTextIfChanged(IDC_MEMORYLOAD_CAPTION, GetText(TextKey::MemoryLoad).c_str());
        m_meterMemoryLoad.SetPos(0);
        m_lblPageFile.SetWindowTextIfChanged(PageFilePlaceholderLine(GetText(TextKey::SwapFile), mb).c_str());
        m_meterPageFile.SetPos(0);
        m_meterCpu.SetPos(0);
    } else {
        // One reading serves every figure of the refresh.
        ms.Refresh();
        SetDlgItemTextIfChanged(IDC_FREERAM_LINE, FreeRamLine(GetText(TextKey::FreeRam), ms.dwAvailPhys, kb).c_str());
        const double freePercent = FreePercent(ms.dwAvailPhys, ms.dwTotalPhys);
        m_meterFreeRam.SetPos(static_cast<int>(freePercent));

        HICON level = LevelIconHandle(ChooseLevelIcon(m_nTriggerLevel, freePercent));
        if (GetIcon(FALSE) != level) {
            SetIcon(level, TRUE);
            SetIcon(level, FALSE);
        }
        if (m_hTrayLibrary != nullptr) {
            const std::string tip = RefreshedTipText(ms.dwAvailPhys >> 10, kb, GetText(TextKey::Free));
            UpdateTrayIcon(GetIcon(FALSE), tip.c_str());
        }

        SetDlgItemTextIfChanged(IDC_TOTALRAM_LINE, TotalRamLine(GetText(TextKey::TotalRam), ms.dwTotalPhys, mb).c_str());
        SetDlgItemTextIfChanged(IDC_MEMORYLOAD_CAPTION, GetText(TextKey::MemoryLoad).c_str());
        m_meterMemoryLoad.SetPos(static_cast<int>(ms.dwMemoryLoad));
        m_lblPageFile.SetWindowTextIfChanged(
            PageFileLine(GetText(TextKey::SwapFile), ms.dwTotalPageFile, ms.dwAvailPageFile, mb).c_str());
        m_meterPageFile.SetPos(PageFileUsedPercent(ms.dwAvailPageFile, ms.dwTotalPageFile));
        m_meterCpu.SetPos(g_cpuUsage.GetCpuUsage());
    }

    FormatUptime();
    SetDlgItemTextIfChanged(IDC_UPTIME_LINE, UptimeLine(GetText(TextKey::Uptime), m_szUptime).c_str());
}
