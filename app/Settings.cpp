// The settings file "bkfr.ini" beside the program: read once at start-up,
// written at every end and on Apply Changes.
#include <string>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "app/SettingsValues.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"

namespace {

const char kSection[] = "Settings";

int ReadInt(const char* ini, const char* key, int defaultValue)
{
    return static_cast<int>(::GetPrivateProfileIntA(kSection, key, defaultValue, ini));
}

void WriteString(const char* ini, const char* key, const char* value)
{
    ::WritePrivateProfileStringA(kSection, key, value, ini);
}

void WriteInt(const char* ini, const char* key, int value)
{
    WriteString(ini, key, std::to_string(value).c_str());
}

}  // namespace

void CMainDialog::LoadSettings()
{
    // A program whose path does not fit has no settings file: the
    // defaults apply (an empty name would make the profile functions read
    // a file in the Windows directory instead).
    const char* ini = m_szIniPath[0] != '\0' ? m_szIniPath : nullptr;
    auto read = [ini](const char* key, int defaultValue) {
        return ini != nullptr ? ReadInt(ini, key, defaultValue) : defaultValue;
    };

    g_nLanguage = read("Language", 4);
    CMemoryStatus ms;
    ms.Refresh();
    const int defaultMemToFree = DefaultMemToFree(ms.dwTotalPhys);
    ms.Refresh();
    const int defaultTriggerLevel = DefaultTriggerLevel(ms.dwTotalPhys);

    m_nMemToFree = read("MemToFree", defaultMemToFree);
    m_nTriggerLevel = read("TriggerLevel", defaultTriggerLevel);
    m_nLeft = read("Left", 0);
    m_nTop = read("Top", 0);
    m_bStayOnTop = read("StayOnTop", 1);
    SetWindowPos(m_bStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, m_nLeft, m_nTop, 0, 0, SWP_NOSIZE);

    m_bSysTrayIcon = read("SysTrayIcon", 0);
    if (m_bSysTrayIcon && !AddTrayIcon())
        MessageBox("Error: System tray icon not available!", kProductName, MB_OK);
    m_bUseIncrementalRelease = read("UseIncrementalRelease", 0);
}

void CMainDialog::SaveSettings()
{
    if (m_szIniPath[0] == '\0')
        return;
    WriteInt(m_szIniPath, "Language", g_nLanguage);
    WriteInt(m_szIniPath, "MemToFree", m_nMemToFree);
    WriteInt(m_szIniPath, "TriggerLevel", m_nTriggerLevel);
    WriteString(m_szIniPath, "StayOnTop", FlagText(m_bStayOnTop));
    WriteString(m_szIniPath, "SysTrayIcon", FlagText(m_bSysTrayIcon));
    WriteString(m_szIniPath, "UseIncrementalRelease", FlagText(m_bUseIncrementalRelease));
    if (IsIconic()) {
        // The position from before minimizing, not the minimized one.
        WriteInt(m_szIniPath, "Left", m_nLeft);
        WriteInt(m_szIniPath, "Top", m_nTop);
    } else {
        RECT rect;
        GetWindowRect(&rect);
        WriteInt(m_szIniPath, "Left", rect.left);
        WriteInt(m_szIniPath, "Top", rect.top);
    }
}

void CMainDialog::OnApplyChanges()
{
    SaveSettings();
    MessageBox(GetText(TextKey::ChangesSaved).c_str(), kProductName, MB_OK);
}
