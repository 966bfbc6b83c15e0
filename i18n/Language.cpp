#include "Language.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "i18n/TextTable.h"

char g_szLanguageDir[kMaxPathChars + 1];
int g_nLanguage = 0;

namespace {
const char kLanguageKey[] = "Software\\Brisklet\\Language";
const char kInstallDirValue[] = "InstallDir";
}  // namespace

void ReadLanguageDir()
{
    HKEY key = nullptr;
    // Read access only: a standard user may not open the machine's keys for
    // writing, and the value is only read.
    LONG result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLanguageKey, 0, KEY_READ, &key);
    char data[kMaxPathChars + 1] = "";
    if (result == ERROR_SUCCESS) {
        // One byte fewer than the buffer, so that a value read whole always
        // has room for its terminating zero.
        DWORD size = kMaxPathChars;
        result = ::RegQueryValueExA(key, kInstallDirValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        data[size < kMaxPathChars ? size : kMaxPathChars] = '\0';
        ::RegCloseKey(key);
    }
    std::snprintf(g_szLanguageDir, sizeof g_szLanguageDir, "%s",
                  result == ERROR_SUCCESS ? data : kDefaultLanguageDir);
}

std::string ResolveLanguageFile()
{
    const std::string dir = g_szLanguageDir;
    const CLanguageFile index(JoinPath(dir, kLanguageIndexFile));
    const std::string name = index.GetString(kLanguagesSection, std::to_string(g_nLanguage).c_str(),
                                             kDefaultLanguageFile);
    return JoinPath(dir, name);
}

CLanguageFile::CLanguageFile(const std::string& path)
{
    std::snprintf(m_szPath, sizeof m_szPath, "%s", path.size() <= kMaxPathChars ? path.c_str() : "");
}

DWORD CLanguageFile::GetString(const char* section, const char* key, const char* defaultText, char* buffer,
                               DWORD size) const
{
    if (m_szPath[0] == '\0') {
        // No file (its path would not fit): the default, as for a missing file.
        std::snprintf(buffer, size, "%s", defaultText);
        return static_cast<DWORD>(std::strlen(buffer));
    }
    return ::GetPrivateProfileStringA(section, key, defaultText, buffer, size, m_szPath);
}

std::string CLanguageFile::GetString(const char* section, const char* key, const char* defaultText) const
{
    std::vector<char> buffer(kTextBufferSize);
    GetString(section, key, defaultText, buffer.data(), static_cast<DWORD>(buffer.size()));
    return buffer.data();
}

std::vector<std::string> CLanguageFile::GetLanguageEntries() const
{
    return ReadLanguageEntries(
        [this](const std::string& key) { return GetString(kLanguageEntriesSection, key.c_str(), kNoMore); });
}
