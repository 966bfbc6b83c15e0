#include "SettingsDialog.h"

#include <string>

#include "i18n/Language.h"
#include "i18n/MainTexts.h"
#include "i18n/TextTable.h"
#include "measure/MemoryUnits.h"
#include "resources/resource.h"
#include "ui/SettingsRules.h"

CSettingsDialog::CSettingsDialog(CWnd* pParent, const SettingsValues& values, unsigned long long totalPhys)
    : CMovableDialog(IDD_SETTINGS, pParent), m_values(values), m_totalPhys(totalPhys)
{}

void CSettingsDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LANGUAGE_LIST, m_comboLanguage);
    DDX_Control(pDX, IDC_MEMTOFREE_SLIDER, m_memToFreeSlider);
    DDX_Control(pDX, IDC_TRIGGER_SLIDER, m_triggerSlider);
    DDX_Slider(pDX, IDC_MEMTOFREE_SLIDER, m_values.m_nMemToFree);
    DDX_Check(pDX, IDC_STAYONTOP, m_values.m_bStayOnTop);
    DDX_Slider(pDX, IDC_TRIGGER_SLIDER, m_values.m_nTriggerLevel);
    DDX_Check(pDX, IDC_SYSTRAYICON, m_values.m_bSysTrayIcon);
    DDX_Check(pDX, IDC_INCREMENTAL, m_values.m_bUseIncrementalRelease);
}

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(CSettingsDialog, CMovableDialog)
    OnMessage<WM_HSCROLL, &CSettingsDialog::OnHScroll, Default::After>(),
    OnCommand<&CSettingsDialog::OnSelChangeLanguage>(IDC_LANGUAGE_LIST, CBN_SELCHANGE),
END_MESSAGE_MAP()
// clang-format on

BOOL CSettingsDialog::OnInitDialog()
{
    // The ranges first, without redraw: the data exchange then sets the
    // positions, which the sliders clamp to them.
    const SliderRanges ranges = RangesForMemory(m_totalPhys);
    auto setRange = [this](int id, int min, int max) {
        ::SendDlgItemMessageA(m_hWnd, id, TBM_SETRANGEMIN, FALSE, min);
        ::SendDlgItemMessageA(m_hWnd, id, TBM_SETRANGEMAX, FALSE, max);
    };
    setRange(IDC_MEMTOFREE_SLIDER, ranges.memToFreeMin, ranges.memToFreeMax);
    setRange(IDC_TRIGGER_SLIDER, ranges.triggerMin, ranges.triggerMax);
    CDialog::OnInitDialog();

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
    for (const auto& pair : pairs)
        SetDlgItemText(pair.label, ValueLabel(pair.slider.GetPos(), Megabytes(m_totalPhys), g_strSettingsMB).c_str());
}

void CSettingsDialog::LoadSettingsTexts()
{
    const CLanguageFile file(ResolveLanguageFile());
    auto apply = [this, &file](const TextRow& row) {
        ApplyText(m_hWnd, nullptr, row, file.GetString(row.section, row.key, row.defaultText));
    };
    for (const TextRow& row : kSettingsTexts)
        apply(row);

    const TextRow& mb = kMainTexts[static_cast<std::size_t>(TextKey::MB)];
    g_strSettingsMB = file.GetString(mb.section, mb.key, mb.defaultText);

    m_comboLanguage.ResetContent();
    for (const std::string& name : OfferedLanguageList(file))
        m_comboLanguage.AddString(name.c_str());
    m_comboLanguage.SetCurSel(g_nLanguage);

    for (const TextRow& row : kSettingsButtonTexts)
        apply(row);
}

void CSettingsDialog::OnHScroll(UINT, UINT, HWND)
{
    UpdateValueLabels();
}

void CSettingsDialog::OnSelChangeLanguage()
{
    const int selection = m_comboLanguage.GetCurSel();
    if (selection == CB_ERR)
        return;
    g_nLanguage = selection;
    LoadSettingsTexts();
}
