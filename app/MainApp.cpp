#include "MainApp.h"

#include "app/MainDialog.h"
#include "resources/Product.h"
#include "resources/resource.h"

CMainApp theApp;

namespace {

// One copy a user session: the second copy finds this name taken.
const wchar_t kInstanceMutex[] = L"Local\\Brisklet Free main window";

bool HasControl(HWND dialog, int id, const wchar_t* className)
{
    HWND control = ::GetDlgItem(dialog, id);
    wchar_t name[32] = L"";
    return control != nullptr && ::GetClassNameW(control, name, 32) > 0 && lstrcmpiW(name, className) == 0;
}

// The main window of a running copy: a dialog with this program's meters
// and button. Its caption cannot tell (an Explorer window on the program's
// folder bears the same one, and it changes during an optimization).
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM param)
{
    wchar_t name[16] = L"";
    if (::GetClassNameW(hwnd, name, 16) == 0 || lstrcmpW(name, L"#32770") != 0)
        return TRUE;
    if (HasControl(hwnd, IDC_FREERAM_METER, L"msctls_progress32") && HasControl(hwnd, IDC_CPU_METER, L"msctls_progress32") &&
        HasControl(hwnd, IDC_OPTIMIZE, L"Button")) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Brings the running copy's window forward; it may still be starting, so
// it is looked for a few seconds.
void ActivateRunningCopy()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND running = nullptr;
        ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&running));
        if (running != nullptr) {
            if (::IsIconic(running)) {
                ::ShowWindow(running, SW_SHOW);
                ::ShowWindow(running, SW_RESTORE);
            }
            ::SetForegroundWindow(running);
            return;
        }
        ::Sleep(50);
    }
}

}  // namespace

BOOL CMainApp::InitInstance()
{
    // Kept for the life of the process; the system closes it at the end.
    HANDLE instance = ::CreateMutexW(nullptr, FALSE, kInstanceMutex);
    if (instance != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ActivateRunningCopy();
        return FALSE;
    }

    // Dialog controls have drawn themselves in 3-D since Windows 95, so
    // there is nothing to switch on for them here.
    CMainDialog dlg;
    dlg.DoModal();
    return FALSE;
}
