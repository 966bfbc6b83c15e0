#include "WinApp.h"

#include <commctrl.h>

#include <cstdlib>

namespace {
CWinApp* g_pApp = nullptr;
}  // namespace

// An uncaught exception ends the program without the standard library's
// verbose report, which nobody sees in a GUI program and which would link
// the whole demangler into it.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx

CWinApp::CWinApp()
{
    g_pApp = this;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->m_hInstance = hInstance;

    // The dialogs use progress bars and trackbars.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);

    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
