// The Settings dialog: memory to free, trigger level, stay on top, tray
// icon, incremental release and language.
#pragma once

#include "framework/Afx.h"

class CSettingsDialog : public CMovableDialog {
public:
    explicit CSettingsDialog(CWnd* pParent);

    BOOL OnInitDialog() override;
    void UpdateValueLabels();
    void LoadSettingsTexts();

    CComboBox m_comboLanguage;
    int m_nMemToFree = 0;
    int m_bStayOnTop = 0;
    int m_nTriggerLevel = 0;
    int m_bSysTrayIcon = 0;
    int m_bUseIncrementalRelease = 0;
    CSliderCtrl m_memToFreeSlider;
    CSliderCtrl m_triggerSlider;
    // Ranges and start positions: set by the caller before DoModal.
    int m_nMemToFreeMin;
    int m_nMemToFreeMax;
    int m_nTriggerMin;
    int m_nTriggerMax;
    int m_nMemToFreeStart;
    int m_nTriggerStart;

    void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar);
    void OnSelChangeLanguage();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;
};
