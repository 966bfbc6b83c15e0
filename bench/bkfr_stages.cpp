// bkfr with its start-up stage marks, taken from outside its code: linked
// into a build of bkfr's own sources, this watches the main window's
// messages; the program itself names no stage. Hooks cost a trip to the
// Wine server per message, so each is held only as long as its mark needs
// it, and the window's own messages are seen through a subclass instead.
//   loader   a global's constructor runs, just before WinMain
//   dialog   WM_INITDIALOG arrives: the window is made from its template
//   files    the first text of the view reaches the free-RAM line: the
//            settings and the language file are read and applied
//   refresh  WM_INITDIALOG handled: the first view is shown
//   paint    the first message taken after the window's own first
//            WM_PAINT: the window has painted itself, its children not yet
#include <windows.h>

#include "bench/StageMarks.h"
#include "resources/resource.h"

namespace {

HHOOK g_creation = nullptr;
HHOOK g_taking = nullptr;
HWND g_dialog = nullptr;
WNDPROC g_dialogProc = nullptr;
WNDPROC g_lineProc = nullptr;
bool g_painting = false;

LRESULT CALLBACK Taken(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* taken = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (g_painting) {
            WriteStageMark("paint");
            ::UnhookWindowsHookEx(g_taking);
        } else if (taken->message == WM_PAINT && taken->hwnd == g_dialog) {
            g_painting = true;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK Line(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT) {
        WriteStageMark("files");
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_lineProc));
    }
    return ::CallWindowProcW(g_lineProc, hwnd, message, wParam, lParam);
}

// Beneath the program's own subclass of its window, which it installs at
// WM_INITDIALOG and which passes on what it does not handle itself.
LRESULT CALLBACK Dialog(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return ::CallWindowProcW(g_dialogProc, hwnd, message, wParam, lParam);
    WriteStageMark("dialog");
    const HWND line = ::GetDlgItem(hwnd, IDC_FREERAM_LINE);
    g_lineProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(line, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Line)));
    const LRESULT result = ::CallWindowProcW(g_dialogProc, hwnd, message, wParam, lParam);
    WriteStageMark("refresh");
    g_taking = ::SetWindowsHookExW(WH_GETMESSAGE, &Taken, nullptr, ::GetCurrentThreadId());
    return result;
}

// The main window, as it is made: subclassed before its first message.
LRESULT CALLBACK Creation(int code, WPARAM wParam, LPARAM lParam)
{
    wchar_t name[16] = L"";
    if (code == HCBT_CREATEWND && ::GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16) &&
        lstrcmpW(name, L"#32770") == 0) {
        g_dialog = reinterpret_cast<HWND>(wParam);
        g_dialogProc =
            reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(g_dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Dialog)));
        ::UnhookWindowsHookEx(g_creation);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

struct InstallHook {
    InstallHook()
    {
        WriteStageMark("loader");
        g_creation = ::SetWindowsHookExW(WH_CBT, &Creation, nullptr, ::GetCurrentThreadId());
    }
} g_installHook;

}  // namespace
