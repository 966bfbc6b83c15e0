#include "MainApp.h"

#include "app/CommandLine.h"
#include "app/MainDialog.h"
#include "app/ProgramDir.h"
#include "framework/Text.h"
#include "measure/MemoryStatus.h"
#include "optimizer/Optimizer.h"
#include "resources/Product.h"
#include "resources/resource.h"

CMainApp theApp;

namespace {

// One copy a user session: the second copy finds this name taken.
const wchar_t kInstanceMutex[] = L"Local\\Brisklet Free main window";

// Shown before any language is loaded, like the other early boxes.
const char kNoAnswer[] = "Brisklet Free seems to be running already, but it does not answer.";
// The exit code of a start that found another copy but not its window.
const int kExitNoAnswer = 1;

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
    if (HasControl(hwnd, IDC_FREERAM_METER, L"msctls_progress32") &&
        HasControl(hwnd, IDC_CPU_METER, L"msctls_progress32") && HasControl(hwnd, IDC_OPTIMIZE, L"Button")) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The running copy's main window; it may still be starting, so it is
// looked for a few seconds. Null when none shows.
HWND FindRunningCopy()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND running = nullptr;
        ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&running));
        if (running != nullptr)
            return running;
        ::Sleep(50);
    }
    return nullptr;
}

void ActivateRunningCopy(HWND running)
{
    if (::IsIconic(running)) {
        ::ShowWindow(running, SW_SHOW);
        ::ShowWindow(running, SW_RESTORE);
    }
    ::SetForegroundWindow(running);
}

// Whether the one-copy name is held: by a copy, or by anything this
// process may not open (another kind of object under that name, or the
// mutex of an elevated copy).
bool CopyRunning()
{
    const CHandle instance(::OpenMutexW(SYNCHRONIZE, FALSE, kInstanceMutex));
    return instance.IsValid() || ::GetLastError() != ERROR_FILE_NOT_FOUND;
}

// "/optimize": the running copy is asked to start its run; without one,
// the run takes place here, with the stored settings, and nothing is
// written.
int OptimizeOnce()
{
    if (CopyRunning()) {
        HWND running = FindRunningCopy();
        DWORD_PTR answer = kExitCouldNotRun;
        if (running == nullptr ||
            !::SendMessageTimeoutW(running, WM_OPTIMIZE_REQUEST, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer))
            return kExitCouldNotRun;
        return static_cast<int>(answer);
    }
    CMemoryStatus ms;
    ms.Refresh();
    CSettingsStore store;
    store.SetPath(SettingsFilePath(ProgramDirectory()));
    const SettingsValues settings = store.LoadSettings(ms.dwTotalPhys);
    return ExitCodeOf(COptimizer::OptimizeHere(settings.m_nMemToFree, settings.m_bUseIncrementalRelease, ms));
}

}  // namespace

BOOL CMainApp::InitInstance()
{
    const StartMode mode = ParseCommandLine(Narrow(::GetCommandLineW()));
    if (mode == StartMode::Invalid) {
        ::MessageBoxW(nullptr, Widen(kSwitchesHelp).c_str(), Widen(kProductName).c_str(), MB_OK | MB_ICONEXCLAMATION);
        m_nExitCode = kExitCouldNotRun;
        return FALSE;
    }
    if (mode == StartMode::Optimize) {
        // No window, and no part in the one-copy rule.
        m_nExitCode = OptimizeOnce();
        return FALSE;
    }

    // Kept for the life of the process; the system closes it at the end.
    // A name already taken, or one this process cannot take (held by
    // another kind of object, or refused), both mean another copy.
    HANDLE instance = ::CreateMutexW(nullptr, FALSE, kInstanceMutex);
    if (instance == nullptr || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        HWND running = FindRunningCopy();
        if (running == nullptr) {
            // A start in the tray (at logon) says nothing.
            if (mode == StartMode::Normal)
                ::MessageBoxW(nullptr, Widen(kNoAnswer).c_str(), Widen(kProductName).c_str(),
                              MB_OK | MB_ICONEXCLAMATION);
            m_nExitCode = kExitNoAnswer;
        } else if (mode == StartMode::Normal) {
            // A start in the tray leaves the running copy as it is.
            ActivateRunningCopy(running);
        }
        return FALSE;
    }

    // Dialog controls have drawn themselves in 3-D since Windows 95, so
    // there is nothing to switch on for them here.
    CMainDialog dlg(mode == StartMode::Tray);
    dlg.DoModal();
    return FALSE;
}
