#include "SettingsDialog.h"

#include <string>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"
#include "ui/SettingsRules.h"

CSettingsDialog::CSettingsDialog(CWnd* pParent)
    : CMovableDialog(IDD_SETTINGS, pParent),
      m_nMemToFreeMin(0),
      m_nMemToFreeMax(0),
      m_nTriggerMin(0),
      m_nTriggerMax(0),
      m_nMemToFreeStart(0),
      m_nTriggerStart(0)
{
}

void CSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LANGUAGE_LIST, m_comboLanguage);
    DDX_Slider(pDX, IDC_MEMTOFREE_SLIDER, m_nMemToFree);
    DDX_Check(pDX, IDC_STAYONTOP, m_bStayOnTop);
    DDX_Slider(pDX, IDC_TRIGGER_SLIDER, m_nTriggerLevel);
    DDX_Check(pDX, IDC_SYSTRAYICON, m_bSysTrayIcon);
    DDX_Check(pDX, IDC_INCREMENTAL, m_bUseIncrementalRelease);
}

BEGIN_MESSAGE_MAP(CSettingsDialog, CMovableDialog)
    OnMessage<&CSettingsDialog::OnHScroll>(WM_HSCROLL),
    OnMessage<&CSettingsDialog::OnLButtonDown>(WM_LBUTTONDOWN),
    OnCommand<&CSettingsDialog::OnSelChangeLanguage>(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
END_MESSAGE_MAP()

BOOL CSettingsDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    // Ranges without redraw, then the positions with it; the control
    // clamps a start value outside its range.
    m_memToFreeSlider.Attach(GetDlgItem(IDC_MEMTOFREE_SLIDER));
    m_memToFreeSlider.SetRangeMin(m_nMemToFreeMin, FALSE);
    m_memToFreeSlider.SetRangeMax(m_nMemToFreeMax, FALSE);
    m_memToFreeSlider.SetPos(m_nMemToFreeStart, TRUE);
    m_triggerSlider.Attach(GetDlgItem(IDC_TRIGGER_SLIDER));
    m_triggerSlider.SetRangeMin(m_nTriggerMin, FALSE);
    m_triggerSlider.SetRangeMax(m_nTriggerMax, FALSE);
    m_triggerSlider.SetPos(m_nTriggerStart, TRUE);

    LoadSettingsTexts();
    UpdateValueLabels();
    return TRUE;
}

void CSettingsDialog::UpdateValueLabels()
{
    const struct {
        const CSliderCtrl& slider;
        int label;
    } pairs[] = {{m_memToFreeSlider, IDC_MEMTOFREE_VALUE}, {m_triggerSlider, IDC_TRIGGER_VALUE}};
    for (const auto& pair : pairs) {
        CMemoryStatus ms;
        ms.Refresh();
        const std::string text = ValueLabel(pair.slider.GetPos(), ms.dwTotalPhys >> 20, g_strSettingsMB);
        SetDlgItemText(pair.label, text.c_str());
    }
}

void CSettingsDialog::LoadSettingsTexts()
{
    const CLanguageFile file(ResolveLanguageFile());
    auto apply = [this, &file](const TextRow& row) {
        const std::string text = file.GetString(row.section, row.key, row.defaultText);
        if (row.target == TextTarget::Caption)
            SetWindowText(text.c_str());
        else
            SetDlgItemText(static_cast<int>(row.id), text.c_str());
    };
    // The captions first, the buttons last (the last two rows).
    for (std::size_t i = 0; i + 2 < kSettingsTextCount; ++i)
        apply(kSettingsTexts[i]);

    const TextRow& mb = kMainTexts[static_cast<std::size_t>(TextKey::MB)];
    g_strSettingsMB = file.GetString(mb.section, mb.key, mb.defaultText);

    m_comboLanguage.ResetContent();
    for (const std::string& name : file.GetLanguageEntries())
        m_comboLanguage.AddString(name.c_str());
    m_comboLanguage.SetCurSel(g_nLanguage);

    apply(kSettingsTexts[kSettingsTextCount - 2]);
    apply(kSettingsTexts[kSettingsTextCount - 1]);
}

void CSettingsDialog::OnHScroll(UINT, UINT, HWND)
{
    UpdateValueLabels();
    Default();
}

void CSettingsDialog::OnSelChangeLanguage()
{
    const int selection = m_comboLanguage.GetCurSel();
    if (selection == CB_ERR)
        return;
    g_nLanguage = selection;
    LoadSettingsTexts();
}

void CMainDialog::OnSettings()
{
    if (m_hTrayLibrary != nullptr)
        RestoreFromTray();

    CSettingsDialog dlg(this);
    CMemoryStatus ms;
    ms.Refresh();
    const SliderRanges ranges = RangesForMemory(ms.dwTotalPhys);
    dlg.m_nMemToFreeMin = ranges.memToFreeMin;
    dlg.m_nMemToFreeMax = ranges.memToFreeMax;
    dlg.m_nTriggerMin = ranges.triggerMin;
    dlg.m_nTriggerMax = ranges.triggerMax;
    dlg.m_nMemToFreeStart = m_nMemToFree;
    dlg.m_nTriggerStart = m_nTriggerLevel;
    dlg.m_bStayOnTop = m_bStayOnTop;
    dlg.m_bSysTrayIcon = m_bSysTrayIcon;
    dlg.m_bUseIncrementalRelease = m_bUseIncrementalRelease;

    if (dlg.DoModal() != IDOK)
        return;

    m_nTriggerLevel = dlg.m_nTriggerLevel;
    m_nMemToFree = dlg.m_nMemToFree;
    m_bSysTrayIcon = dlg.m_bSysTrayIcon;
    m_bUseIncrementalRelease = dlg.m_bUseIncrementalRelease;
    m_bStayOnTop = dlg.m_bStayOnTop;
    SetWindowPos(m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (m_bSysTrayIcon && m_hTrayLibrary == nullptr)
        AddTrayIcon();
    else if (!m_bSysTrayIcon && m_hTrayLibrary != nullptr)
        RemoveTrayIcon();
    LoadMainTexts();
}
