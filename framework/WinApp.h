// The application object and the program's entry point.
#pragma once

#include <windows.h>

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp() = default;

    // Start-up; FALSE ends the program at once, TRUE runs the message loop.
    virtual BOOL InitInstance() { return TRUE; }
    // The exit code of a program whose start-up ended it.
    virtual int ExitInstance() { return 0; }
    // The message loop; returns the exit code.
    virtual int Run();

    HINSTANCE m_hInstance = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
