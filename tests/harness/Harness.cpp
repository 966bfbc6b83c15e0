#include "Harness.h"

#include <cwchar>

namespace harness {

namespace {

const char kLanguageKey[] = "Software\\Brisklet\\Language";

std::wstring FromBytes(UINT codePage, const char* bytes)
{
    const int length = ::MultiByteToWideChar(codePage, 0, bytes, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes, -1, &wide[0], length);
    wide.resize(std::wcslen(wide.c_str()));
    return wide;
}

}  // namespace

std::wstring Wide(const std::string& utf8)
{
    return FromBytes(CP_UTF8, utf8.c_str());
}

std::string Utf8(const std::wstring& wide)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    ::CloseHandle(file);
    return content;
}

bool WriteWholeFile(const std::string& path, const std::string& content)
{
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::SetEndOfFile(file);
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == content.size();
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAW found;
    HANDLE find = ::FindFirstFileW(Wide(dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Utf8(found.cFileName);
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(dir + name + "\\");
            } else {
                ::SetFileAttributesW(Wide(dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(Wide(dir + name).c_str());
            }
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(Wide(dir).c_str());
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(5);
    }
}

std::string LanguageText(const std::string& file, const char* section, const char* key)
{
    char bytes[2048] = "";
    ::GetPrivateProfileStringA(section, key, "<missing>", bytes, sizeof bytes, file.c_str());
    const UINT codePage = ::GetPrivateProfileIntA("free_global_strings", "CodePage", CP_ACP, file.c_str());
    return Utf8(FromBytes(codePage, bytes));
}

void SetLanguageDir(const std::string& dir)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kLanguageKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const std::wstring value = Wide(dir);
    ::RegSetValueExW(key, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

void ClearLanguageDir()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLanguageKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, "InstallDir");
    ::RegCloseKey(key);
}

std::string WindowText(HWND hwnd)
{
    const LRESULT length = ::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::wcslen(text.c_str()));
    return Utf8(text);
}

std::string MessageBoxText(HWND box)
{
    return WindowText(::GetDlgItem(box, 0xFFFF));
}

void ClickButton(HWND dialog, int id)
{
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ClickOk(HWND box)
{
    ClickButton(box, ::GetDlgItem(box, IDOK) != nullptr ? IDOK : IDCANCEL);
}

namespace {

struct WindowSearch {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char name[64] = "";
    ::GetClassNameA(hwnd, name, sizeof name);
    if ((search.pid == 0 || owner == search.pid) && lstrcmpiA(name, search.className) == 0)
        search.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid, const char* className)
{
    WindowSearch search{pid, className, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace harness
