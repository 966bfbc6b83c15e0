#include "Settings.h"

#include "app/SettingsDefaults.h"
#include "framework/File.h"
#include "i18n/IniText.h"
#include "i18n/IniWrite.h"
#include "i18n/Language.h"

namespace {

const char kSectionName[] = "Settings";

}  // namespace

SettingsValues CSettingsStore::LoadSettings(SIZE_T totalPhys)
{
    // Read once, whole, and taken apart here: a file that exists but cannot
    // be read is told from a missing one.
    std::string bytes;
    FileRead found = ReadWholeFile(m_strIniPath, bytes);
    if (found == FileRead::Missing)
        found = ReadLeftBackup(m_strIniPath, bytes);
    m_bUnreadable = found == FileRead::Unreadable;
    const CIniText file(bytes);
    auto read = [&file](const char* key, int defaultValue) {
        return ProfileInt(file.Find(kSectionName, key), defaultValue);
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
    m_loaded = values;
    m_nLoadedLanguage = g_nLanguage;
    return values;
}

bool CSettingsStore::SaveSettings(const SettingsValues& values) const
{
    if (m_strIniPath.empty())
        return false;
    // The values go into the file as it is now, whose other lines and
    // encoding stay.
    std::string bytes;
    if (ReadWholeFile(m_strIniPath, bytes) == FileRead::Unreadable)
        return false;  // still held, or a folder in its place
    IniValues texts;
    auto write = [&](const char* key, int value, int loaded, const std::string& text) {
        if (!m_bUnreadable || value != loaded)
            texts.emplace_back(key, text);
    };
    auto number = [&](const char* key, int value, int loaded) { write(key, value, loaded, std::to_string(value)); };
    auto flag = [&](const char* key, int value, int loaded) {
        // Flags are compared as they are written: 5 and 1 both say "on".
        write(key, value != 0, loaded != 0, FlagText(value));
    };
    number("Language", g_nLanguage, m_nLoadedLanguage);
    number("MemToFree", values.m_nMemToFree, m_loaded.m_nMemToFree);
    number("TriggerLevel", values.m_nTriggerLevel, m_loaded.m_nTriggerLevel);
    flag("StayOnTop", values.m_bStayOnTop, m_loaded.m_bStayOnTop);
    flag("SysTrayIcon", values.m_bSysTrayIcon, m_loaded.m_bSysTrayIcon);
    flag("UseIncrementalRelease", values.m_bUseIncrementalRelease, m_loaded.m_bUseIncrementalRelease);
    number("Left", values.m_nLeft, m_loaded.m_nLeft);
    number("Top", values.m_nTop, m_loaded.m_nTop);
    if (texts.empty())
        return true;
    const std::optional<std::string> edited = WriteIniValues(bytes, kSectionName, texts);
    // Read back: a full disk can take a write that the system reports done.
    return edited && SaveWholeFile(m_strIniPath, *edited, m_pfnReplace) && ReadsBack(texts);
}

bool CSettingsStore::ReadsBack(const IniValues& texts) const
{
    std::string bytes;
    if (ReadWholeFile(m_strIniPath, bytes) != FileRead::Read)
        return false;
    const CIniText file(bytes);
    for (const auto& text : texts) {
        const std::string* value = file.Find(kSectionName, text.first);
        if (value == nullptr || *value != text.second)
            return false;
    }
    return true;
}
