// The statistics panel of the main window: five text lines and four
// meters, filled from one memory reading.
#pragma once

#include "framework/Afx.h"
#include "measure/MemoryStatus.h"
#include "ui/MeterCtrl.h"

class CStatisticsPanel {
public:
    // Binds the panel's controls of the dialog that runs the exchange.
    void DoDataExchange(CDataExchange* pDX);
    // The meters' colours and percentage texts.
    void SetupMeters();
    // Handed on from the main window, which alone receives them.
    void OnSysColorChange();
    void OnDisplayChange();

    // Shows `ms`; while an optimization runs, zeros instead of the live
    // figures (the total and the uptime stay live).
    void RefreshStatistics(const CMemoryStatus& ms, bool optimizing);
    void FormatUptime();

    CStatic m_lblPageFile;
    CMeterCtrl m_meterMemoryLoad;
    CMeterCtrl m_meterFreeRam;
    CMeterCtrl m_meterCpu;
    CMeterCtrl m_meterPageFile;
    char m_szUptime[40] = "";

private:
    const CWnd* m_pDialog = nullptr;
};
