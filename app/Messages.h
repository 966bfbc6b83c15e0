// The main window's private messages.
#pragma once

// From the tray icon: wParam the icon's identifier, lParam the mouse message.
#define WM_TRAY_NOTIFY (WM_USER + 1)
// Posted by the optimization worker when its run has ended.
#define WM_WORKER_DONE (WM_USER + 2)
