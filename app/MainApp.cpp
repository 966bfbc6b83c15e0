#include "MainApp.h"

#include "app/MainDialog.h"
#include "resources/Product.h"

CMainApp theApp;

BOOL CMainApp::InitInstance()
{
    // A running copy is found by its caption; it is brought forward and
    // this copy ends.
    HWND running = ::FindWindowA(nullptr, kProductName);
    if (running != nullptr) {
        if (::IsIconic(running)) {
            ::ShowWindow(running, SW_SHOW);
            ::ShowWindow(running, SW_RESTORE);
        }
        ::SetForegroundWindow(running);
        return FALSE;
    }

    // Dialog controls have drawn themselves in 3-D since Windows 95, so
    // there is nothing to switch on for them here.
    CMainDialog dlg;
    dlg.DoModal();
    return FALSE;
}
