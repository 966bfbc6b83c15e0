// The application object: one running copy, whose main window lives for
// the whole program.
#pragma once

#include "framework/Afx.h"

class CMainApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
