// The Settings dialog: memory to free, trigger level, stay on top, tray
// icon, incremental release and language.
#pragma once

#include "framework/Afx.h"
#include "ui/SettingsValues.h"

class CSettingsDialog : public CMovableDialog {
public:
    // Shows `values` on a machine with totalPhys bytes of memory, which sets
    // the sliders' ranges and the labels' percentages.
    CSettingsDialog(CWnd* pParent, const SettingsValues& values, unsigned long long totalPhys);

    // After OK: the values as the user left them.
    const SettingsValues& Values() const { return m_values; }

    BOOL OnInitDialog() override;
    void UpdateValueLabels();
    void LoadSettingsTexts();

    void OnHScroll(UINT nSBCode, UINT nPos, HWND hScrollBar);
    void OnSelChangeLanguage();

    CComboBox m_comboLanguage;
    CSliderCtrl m_memToFreeSlider;
    CSliderCtrl m_triggerSlider;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const CMessageMap* GetMessageMap() const override;

private:
    SettingsValues m_values;
    unsigned long long m_totalPhys;
};
