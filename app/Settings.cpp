#include "Settings.h"

#include "app/SettingsDefaults.h"
#include "i18n/Language.h"

namespace {

const char kSection[] = "Settings";

}  // namespace

SettingsValues CSettingsStore::LoadSettings(SIZE_T totalPhys) const
{
    // An empty name would make the profile functions read a file in the
    // Windows directory instead.
    const char* ini = m_strIniPath.empty() ? nullptr : m_strIniPath.c_str();
    auto read = [ini](const char* key, int defaultValue) {
        return ini != nullptr ? static_cast<int>(::GetPrivateProfileIntA(kSection, key, defaultValue, ini))
                              : defaultValue;
    };
    g_nLanguage = read("Language", 4);
    SettingsValues values;
    values.m_nMemToFree = read("MemToFree", DefaultMemToFree(totalPhys));
    values.m_nTriggerLevel = read("TriggerLevel", DefaultTriggerLevel(totalPhys));
    values.m_nLeft = read("Left", 0);
    values.m_nTop = read("Top", 0);
    values.m_bStayOnTop = read("StayOnTop", 1);
    values.m_bSysTrayIcon = read("SysTrayIcon", 0);
    values.m_bUseIncrementalRelease = read("UseIncrementalRelease", 0);
    return values;
}

void CSettingsStore::SaveSettings(const SettingsValues& values) const
{
    if (m_strIniPath.empty())
        return;
    const char* ini = m_strIniPath.c_str();
    auto write = [ini](const char* key, const std::string& text) {
        ::WritePrivateProfileStringA(kSection, key, text.c_str(), ini);
    };
    write("Language", std::to_string(g_nLanguage));
    write("MemToFree", std::to_string(values.m_nMemToFree));
    write("TriggerLevel", std::to_string(values.m_nTriggerLevel));
    write("StayOnTop", FlagText(values.m_bStayOnTop));
    write("SysTrayIcon", FlagText(values.m_bSysTrayIcon));
    write("UseIncrementalRelease", FlagText(values.m_bUseIncrementalRelease));
    write("Left", std::to_string(values.m_nLeft));
    write("Top", std::to_string(values.m_nTop));
}
