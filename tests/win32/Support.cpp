#include "Support.h"

#include <map>

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

}  // namespace

UINT_PTR WhenReady(const std::function<bool()>& condition, const std::function<void()>& action, DWORD timeoutMs,
                   bool required)
{
    const UINT_PTR id = ::SetTimer(nullptr, 0, 10, &CheckPending);
    g_pending[id] = Pending{condition, action, ::GetTickCount() + timeoutMs, required};
    return id;
}

void Forget(UINT_PTR pending)
{
    if (g_pending.erase(pending) != 0)
        ::KillTimer(nullptr, pending);
}

HWND FindThreadDialog(HWND except)
{
    for (HWND hwnd : harness::ProcessWindows(::GetCurrentProcessId(), "#32770")) {
        if (hwnd != except && ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId() &&
            ::IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
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
    harness::RemoveTree(m_path);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    harness::RemoveTree(m_path);
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const
{
    WriteFile(m_path + name, content);
}

void DeleteFile(const std::string& path)
{
    ::DeleteFileW(harness::Wide(path).c_str());
}

std::string MenuText(HMENU menu, UINT item, UINT flags)
{
    wchar_t text[256] = L"";
    ::GetMenuStringW(menu, item, text, 256, flags);
    return harness::Utf8(text);
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
