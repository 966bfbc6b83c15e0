#include "Support.h"

#include <map>

#include "framework/Text.h"

namespace win32test {

namespace {

const std::function<void()>* g_body = nullptr;
CDialog* g_dialog = nullptr;
INT_PTR g_result = 0;

void CALLBACK RunBody(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    (*g_body)();
    g_dialog->EndDialog(g_result);
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + name + "\\");
            else
                ::DeleteFileA((dir + name).c_str());
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(dir.c_str());
}

}  // namespace

void RunModal(CDialog& dlg, const std::function<void()>& body, INT_PTR result)
{
    g_body = &body;
    g_dialog = &dlg;
    g_result = result;
    // A thread timer reaches the dialog's own message loop once it runs.
    ::SetTimer(nullptr, 0, 0, &RunBody);
    dlg.DoModal();
    g_body = nullptr;
    g_dialog = nullptr;
}

namespace {

struct Pending {
    std::function<bool()> condition;
    std::function<void()> action;
    DWORD deadline;
    bool required;
};
std::map<UINT_PTR, Pending> g_pending;

void CALLBACK CheckPending(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = g_pending.find(id);
    if (it == g_pending.end()) {
        ::KillTimer(nullptr, id);
        return;
    }
    const bool ready = it->second.condition();
    if (!ready && ::GetTickCount() < it->second.deadline)
        return;
    ::KillTimer(nullptr, id);
    Pending pending = std::move(it->second);
    g_pending.erase(it);
    if (ready)
        pending.action();
    else if (pending.required)
        ADD_FAILURE() << "the awaited window never appeared";
}

struct ThreadWindowSearch {
    const char* className;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindThreadWindow(HWND hwnd, LPARAM param)
{
    ThreadWindowSearch& search = *reinterpret_cast<ThreadWindowSearch*>(param);
    char name[32] = "";
    ::GetClassNameA(hwnd, name, sizeof name);
    if (hwnd != search.except && ::IsWindowVisible(hwnd) && lstrcmpA(name, search.className) == 0) {
        search.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void WhenReady(const std::function<bool()>& condition, const std::function<void()>& action, DWORD timeoutMs,
               bool required)
{
    const UINT_PTR id = ::SetTimer(nullptr, 0, 10, &CheckPending);
    g_pending[id] = Pending{condition, action, ::GetTickCount() + timeoutMs, required};
}

HWND FindThreadDialog(HWND except)
{
    ThreadWindowSearch search{"#32770", except, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindThreadMenu()
{
    // Popup menus belong to the desktop's window list, not to the thread.
    HWND menu = ::FindWindowA("#32768", nullptr);
    return menu != nullptr && ::IsWindowVisible(menu) ? menu : nullptr;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr)
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

std::string ProgramDir()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.rfind('\\') + 1);
}

ScratchFolder::ScratchFolder(const std::string& name) : m_path(ProgramDir() + name + "\\")
{
    RemoveTree(m_path);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const
{
    WriteFile(m_path + name, content);
}

void WriteFile(const std::string& path, const std::string& content)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string ReadFile(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    ::CloseHandle(file);
    return content;
}

void DeleteFile(const std::string& path)
{
    ::DeleteFileA(path.c_str());
}

void SetLanguageDir(const char* dir)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brisklet\\Language", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    if (dir != nullptr)
        ::RegSetValueExA(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dir),
                         static_cast<DWORD>(lstrlenA(dir) + 1));
    else
        ::RegDeleteValueA(key, "InstallDir");
    ::RegCloseKey(key);
}

std::string Text(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    const int length = ::GetWindowTextW(control, &text[0], static_cast<int>(text.size()));
    return Narrow(text.c_str(), length);
}

std::string MenuText(HMENU menu, UINT item, UINT flags)
{
    wchar_t text[256] = L"";
    ::GetMenuStringW(menu, item, text, 256, flags);
    return Narrow(text);
}

std::string LanguageText(const std::string& file, const char* section, const char* key)
{
    // The system's own reader gives the bytes; the file names its code page.
    char bytes[2048] = "";
    ::GetPrivateProfileStringA(section, key, "<missing>", bytes, sizeof bytes, file.c_str());
    const UINT codePage = ::GetPrivateProfileIntA("free_global_strings", "CodePage", CP_ACP, file.c_str());
    return Narrow(FromCodePage(bytes, codePage));
}

HICON SmallIcon(const CWnd& wnd)
{
    return reinterpret_cast<HICON>(wnd.SendMessage(WM_GETICON, ICON_SMALL, 0));
}

void MainWindowFixture::SetUp()
{
    SetTouchFreeStep(TouchFreeStep::Fail);
    DeleteFile(IniPath());
    SetLanguageDir(nullptr);
}

void MainWindowFixture::TearDown()
{
    DeleteFile(IniPath());
    SetLanguageDir(nullptr);
}

std::string MainWindowFixture::IniPath()
{
    return ProgramDir() + "bkfr.ini";
}

void MainWindowFixture::WriteIni(const std::string& settings)
{
    WriteFile(IniPath(), "[Settings]\r\n" + settings);
}

}  // namespace win32test
