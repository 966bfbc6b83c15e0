// The program's thin application framework: windows with message maps,
// modal dialogs with data exchange, controls, paint contexts, the
// application object and worker threads.
#pragma once

#include "Controls.h"
#include "Dialog.h"
#include "Gdi.h"
#include "Thread.h"
#include "WinApp.h"
#include "Wnd.h"
