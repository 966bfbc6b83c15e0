// The language directory, the current language file and its reader.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "i18n/IniText.h"
#include "i18n/LanguageRules.h"

// The language directory, ending in a backslash (UTF-8); set once at
// start-up.
extern std::string g_strLanguageDir;
// The selected language number (setting "Language").
extern int g_nLanguage;

// Sets the directory: the registry value "InstallDir" under
// HKEY_LOCAL_MACHINE\Software\Brisklet\Language when there is one, else the
// portable layout's lang\ folder near programDir, else the default.
void ReadLanguageDir(const std::string& programDir);

// Full path of the current language file; empty when it would be longer
// than a path may be.
std::string ResolveLanguageFile();

class CLanguageFile;

// The language list to offer while `current` is the current language's
// file: its own, or another file's when it has none (OfferedLanguages).
std::vector<std::string> OfferedLanguageList(const CLanguageFile& current);

// One language file, read whole when it is opened. Its texts are in the
// encoding its byte-order mark names, else in the code page it names (its
// CodePage key), else in the system's; they are given out in UTF-8.
class CLanguageFile {
public:
    explicit CLanguageFile(const std::string& path);

    // The text of section/key, at most 2,047 characters; the default when
    // the file, section or key is missing.
    std::string GetString(const char* section, const char* key, const char* defaultText) const;

    // The display names of section "language_entries".
    std::vector<std::string> GetLanguageEntries() const;

private:
    CIniText m_text;
    UINT m_codePage = CP_ACP;
};
