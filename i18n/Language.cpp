#include "Language.h"

#include <cstdlib>

#include "framework/File.h"
#include "framework/Handle.h"
#include "framework/Text.h"
#include "i18n/TextTable.h"

std::string g_strLanguageDir;
int g_nLanguage = 0;

namespace {

const wchar_t kLanguageKey[] = L"Software\\Brisklet\\Language";
const wchar_t kInstallDirValue[] = L"InstallDir";

// The registry's InstallDir, when it is there and fits a path.
bool ReadInstallDir(std::string& value)
{
    CRegKey key;
    // Read access only: a standard user may not open the machine's keys for
    // writing, and the value is only read.
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLanguageKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return false;
    // One character fewer than the buffer, so that a value read whole always
    // has room for its terminating zero.
    wchar_t data[kMaxPathChars + 1] = L"";
    DWORD size = kMaxPathChars * sizeof(wchar_t);
    const LONG result =
        ::RegQueryValueExW(key.Get(), kInstallDirValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    if (result != ERROR_SUCCESS)
        return false;
    const std::size_t length = size / sizeof(wchar_t);
    data[length < kMaxPathChars ? length : kMaxPathChars] = L'\0';
    value = Narrow(data);
    return true;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void ReadLanguageDir(const std::string& programDir)
{
    std::string installDir;
    const bool registered = ReadInstallDir(installDir);
    g_strLanguageDir = ChooseLanguageDir(registered ? &installDir : nullptr, programDir, &FileExists);
}

std::string ResolveLanguageFile()
{
    const CLanguageFile index(JoinPath(g_strLanguageDir, kLanguageIndexFile));
    const std::string name =
        index.GetString(kLanguagesSection, std::to_string(g_nLanguage).c_str(), kDefaultLanguageFile);
    return JoinPath(g_strLanguageDir, name);
}

CLanguageFile::CLanguageFile(const std::string& path)
{
    // A path that does not fit names no file: the defaults, as for a
    // missing one.
    std::string bytes;
    if (Utf16Length(path) > kMaxPathChars || ReadWholeFile(path, bytes) != FileRead::Read)
        return;
    m_text = CIniText(bytes);
    // A byte-order mark says more than a CodePage key that disagrees with it.
    if (m_text.IsUtf8()) {
        m_codePage = CP_UTF8;
        return;
    }
    const std::string* codePage = m_text.Find(kCodePageSection, kCodePageKey);
    const UINT named = codePage != nullptr ? static_cast<UINT>(std::strtoul(codePage->c_str(), nullptr, 10)) : 0;
    if (named != 0 && ::IsValidCodePage(named))
        m_codePage = named;
}

std::string CLanguageFile::GetString(const char* section, const char* key, const char* defaultText) const
{
    const std::string* value = m_text.Find(section, key);
    if (value == nullptr)
        return defaultText;
    std::wstring text = FromCodePage(*value, m_codePage);
    // As many characters as the program's 2,048-character buffers held,
    // without splitting a pair of surrogates.
    const std::size_t limit = kTextBufferSize - 1;
    if (text.size() > limit) {
        const bool splitsPair = text[limit - 1] >= 0xD800 && text[limit - 1] <= 0xDBFF;
        text.resize(splitsPair ? limit - 1 : limit);
    }
    return Narrow(text);
}

std::vector<std::string> CLanguageFile::GetLanguageEntries() const
{
    return ReadLanguageEntries(
        [this](const std::string& key) { return GetString(kLanguageEntriesSection, key.c_str(), kNoMore); });
}

std::vector<std::string> OfferedLanguageList(const CLanguageFile& current)
{
    const CLanguageFile index(JoinPath(g_strLanguageDir, kLanguageIndexFile));
    const std::vector<std::string> files = ReadLanguageEntries(
        [&index](const std::string& key) { return index.GetString(kLanguagesSection, key.c_str(), kNoMore); });
    return OfferedLanguages(current.GetLanguageEntries(), files, [](const std::string& file) {
        return CLanguageFile(JoinPath(g_strLanguageDir, file)).GetLanguageEntries();
    });
}
