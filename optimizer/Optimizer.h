// The optimization run: a worker thread that allocates a block, writes
// every byte of it and frees it, so that the system pushes idle pages out.
#pragma once

#include <windows.h>

#include <string>

struct WorkerParams {
    HWND hWnd;             // the main window: title, tray icon, done message
    SIZE_T nTargetBytes;   // the block size asked for
    HICON hBusyIcon;
    int bIncremental;      // grow the block one megabyte at a time
    std::string strOptimizingText;  // the title and tip text, copied at the start
};

// Filled by StartOptimize immediately before the worker starts; never
// written while a worker runs.
extern WorkerParams g_workerParams;

UINT __cdecl OptimizeThreadProc(LPVOID pParam);
