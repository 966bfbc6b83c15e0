// The optimization run: a worker thread that allocates a block, writes
// every byte of it and frees it, so that the system pushes idle pages out.
// The run reports its progress to a window by messages and shows nothing
// itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/Thread.h"
#include "measure/MemoryStatus.h"
#include "optimizer/OptimizePlan.h"

// Posted by the worker to its window as each incremental step begins;
// wParam is the step's block size in bytes. (Both from WM_APP up: below it
// a dialog's numbers are the dialog manager's.)
#define WM_WORKER_STEP (WM_APP + 4)
// Posted by the worker to its window when the run has ended, however it
// ended.
#define WM_WORKER_DONE (WM_APP + 3)

// Asks for one block of `size` bytes, writes it and frees it; false when
// the system has no such block to give. (Defined in TouchFree.cpp, which
// only the programs link: the in-process tests must never write a block.)
bool AllocateTouchFree(SIZE_T size);

// What a run is given. The worker keeps a copy of its own: the program may
// end during a run, and nothing waits for the worker.
struct WorkerParams {
    HWND hWnd = nullptr;  // receives the progress; none for a run without a window
    SIZE_T nTargetBytes = 0;
    int bIncremental = 0;  // grow the block one megabyte at a time
};

// At most one run at a time, started and ended on the user-interface
// thread.
class COptimizer {
public:
    // Starts a run of memToFree megabytes (one block, or incremental) on a
    // thread of its own that reports to hWnd, unless one is active or the
    // reading `ms` has more free than the run would free.
    OptimizeStart StartOptimize(std::int32_t memToFree, int incremental, const CMemoryStatus& ms, HWND hWnd);
    // The same run on the calling thread, for a start without a window.
    static OptimizeStart OptimizeHere(std::int32_t memToFree, int incremental, const CMemoryStatus& ms);
    // The done message has come: the run is over.
    void OnWorkerDone() { m_pWorkerThread.reset(); }

    bool IsRunning() const { return m_pWorkerThread != nullptr; }

private:
    // The start test: false when more is free than the run would free;
    // else the run's parameters.
    static bool PlanRun(std::int32_t memToFree, int incremental, const CMemoryStatus& ms, WorkerParams& params);

    std::unique_ptr<CWinThread> m_pWorkerThread;
};

// The steps of one run on this thread, from start (the free memory at its
// beginning), each incremental one reported to params.hWnd. Returns the
// number of blocks written.
int RunOptimization(const WorkerParams& params, SIZE_T start);

// Runs one optimization with the parameters it owns (a WorkerParams made
// with new); whatever happens in it, the done message is posted.
UINT __cdecl OptimizeThreadProc(LPVOID pParam);
