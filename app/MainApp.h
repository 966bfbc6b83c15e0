// The application object: one running copy, whose main window lives for
// the whole program; or, with "/optimize", one optimization and no window.
#pragma once

#include "framework/Afx.h"

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override { return m_nExitCode; }

private:
    int m_nExitCode = 0;
};
