// The statistics panel of the main window: five text lines and four
// meters, showing their part of the window's view.
#pragma once

#include "app/MainView.h"
#include "framework/Afx.h"
#include "ui/MeterCtrl.h"

class CStatisticsPanel {
public:
    // Binds the panel's controls of the dialog that runs the exchange.
    void DoDataExchange(CDataExchange* pDX);
    // The meters' colours.
    void SetupMeters();
    // Handed on from the main window, which alone receives them.
    void OnSysColorChange();
    void OnDisplayChange();

    // Shows the view's lines and meters; a line is set only when it differs
    // from the one of `shown`, the view shown before (null: none yet).
    void Show(const MainView& view, const MainView* shown);

private:
    const CWnd* m_pDialog = nullptr;
    CMeterCtrl m_meterMemoryLoad;
    CMeterCtrl m_meterFreeRam;
    CMeterCtrl m_meterCpu;
    CMeterCtrl m_meterPageFile;
};
