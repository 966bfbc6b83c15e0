// The settings file "bkfr.ini" beside the program: read once at start-up,
// written at every end and on Apply Changes.
#pragma once

#include <windows.h>

#include <string>

#include "framework/File.h"
#include "i18n/IniWrite.h"
#include "ui/SettingsValues.h"

class CSettingsStore {
public:
    // replace: how a new file takes the old one's place (the system's
    // ReplaceFileW unless given).
    explicit CSettingsStore(ReplaceFileFn replace = ::ReplaceFileW) : m_pfnReplace(replace) {}

    // The file's full path (UTF-8); empty when the program has none (its own
    // path did not fit), and then every value is the default and nothing is
    // written.
    void SetPath(const std::string& iniPath) { m_strIniPath = iniPath; }
    const std::string& Path() const { return m_strIniPath; }

    // Reads every value, with the defaults of a machine with totalPhys
    // bytes of memory; sets g_nLanguage. A file that a failed save left
    // aside is read from there and put back.
    SettingsValues LoadSettings(SIZE_T totalPhys);
    // Writes the values and g_nLanguage; true when every value was written
    // and reads back as written.
    // A file that existed but could not be read at start-up (another
    // program held it) gets only the values that changed since: the
    // others were never read, and its own must not be lost.
    bool SaveSettings(const SettingsValues& values) const;

private:
    // Whether the file now holds each key (of section Settings) with its text.
    bool ReadsBack(const IniValues& texts) const;

    ReplaceFileFn m_pfnReplace;
    std::string m_strIniPath;
    bool m_bUnreadable = false;
    SettingsValues m_loaded;
    int m_nLoadedLanguage = 0;
};
