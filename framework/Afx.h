// The program's thin application framework: windows with message maps,
// modal dialogs with data exchange, control wrappers, paint contexts with
// guards for every GDI object and memory DC, the application object and
// owned worker threads. It knows nothing of the program; Path.h, the
// plain path rules, is included where it is needed.
#pragma once

#include "Controls.h"
#include "Dialog.h"
#include "Gdi.h"
#include "Handle.h"
#include "Thread.h"
#include "WinApp.h"
#include "Wnd.h"
