// The language directory, the current language file and its reader.
#pragma once

#include <windows.h>

#include <string>

#include "i18n/LanguageRules.h"

// The language directory, ending in a backslash; set once at start-up.
extern char g_szLanguageDir[kMaxPathChars + 1];
// The selected language number (setting "Language").
extern int g_nLanguage;

// Reads the directory from the registry value "InstallDir" under
// HKEY_LOCAL_MACHINE\Software\Brisklet\Language, or takes the default.
void ReadLanguageDir();

// Full path of the current language file; empty when it would be longer
// than a path may be.
std::string ResolveLanguageFile();

// Reads texts from one language file.
class CLanguageFile {
public:
    explicit CLanguageFile(const std::string& path);

    // Reads section/key into buffer (at most size - 1 characters); the
    // default when the file, section or key is missing. Returns the number
    // of characters placed in the buffer.
    DWORD GetString(const char* section, const char* key, const char* defaultText, char* buffer,
                    DWORD size) const;
    std::string GetString(const char* section, const char* key, const char* defaultText) const;

    // The display names of section "language_entries".
    std::vector<std::string> GetLanguageEntries() const;

private:
    char m_szPath[kMaxPathChars + 1];
};
