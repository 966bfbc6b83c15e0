// The optimization run: a worker thread that allocates a block, writes
// every byte of it and frees it, so that the system pushes idle pages out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Thread.h"
#include "measure/MemoryStatus.h"

class CTrayIcon;

// Posted by the worker to its window when the run has ended.
#define WM_WORKER_DONE (WM_USER + 2)

// Asks for one block of `size` bytes, writes it and frees it; false when
// the system has no such block to give. (Defined in TouchFree.cpp, which
// only the programs link: the in-process tests must never write a block.)
bool AllocateTouchFree(SIZE_T size);

// What a run is given. The worker keeps a copy of its own: the program may
// end during a run, and nothing waits for the worker.
struct WorkerParams {
    HWND hWnd = nullptr;  // title and done message
    SIZE_T nTargetBytes = 0;
    int bIncremental = 0;  // grow the block one megabyte at a time
    std::string strOptimizingText;
};

// The steps of one run on this thread, from start (the free memory at its
// beginning); the title shows each when there is a window. Returns the
// number of blocks written.
int RunOptimization(const WorkerParams& params, SIZE_T start);

// Runs one optimization with the parameters it owns (a WorkerParams made
// with new); whatever happens in it, the title comes back and the done
// message is posted.
UINT __cdecl OptimizeThreadProc(LPVOID pParam);

enum class OptimizeStart {
    Started,
    NotNeeded,  // more memory is free than the run would free
    Busy,       // a run is active
    NoThread,   // the system gave no thread
};

// What starting a run needs from the window that asks for it.
struct OptimizeRequest {
    HWND hWnd;             // the window whose title the run shows
    HWND hOptimizeButton;  // disabled while the run is active
    HICON hBusyIcon;       // small window icon and tray icon while it is
    CTrayIcon* pTray;      // shows the busy icon and tip when present
    std::int32_t nMemToFree;
    int bIncremental;
    std::string strOptimizingText;
};

// At most one run at a time, started and ended on the user-interface
// thread.
class COptimizer {
public:
    // Starts a run unless one is active or more than the run would free is
    // free already (in the reading `ms`, which also bounds the run's size).
    OptimizeStart StartOptimize(const OptimizeRequest& request, const CMemoryStatus& ms);
    // The done message has come: the run is over, Optimize works again.
    void OnWorkerDone();

    bool IsRunning() const { return m_pWorkerThread != nullptr; }

private:
    std::unique_ptr<CWinThread> m_pWorkerThread;
    HWND m_hOptimizeButton = nullptr;
};
