#include "Optimizer.h"

#include "optimizer/OptimizePlan.h"

namespace {

// Posts the done message when the run ends, by return or by exception.
class RunEnd {
public:
    explicit RunEnd(HWND hWnd) : m_hWnd(hWnd) {}
    ~RunEnd() { ::PostMessageW(m_hWnd, WM_WORKER_DONE, 0, 0); }
    RunEnd(const RunEnd&) = delete;
    RunEnd& operator=(const RunEnd&) = delete;

private:
    HWND m_hWnd;
};

}  // namespace

int RunOptimization(const WorkerParams& params, SIZE_T start)
{
    if (!params.bIncremental)
        return AllocateTouchFree(params.nTargetBytes) ? 1 : 0;
    int written = 0;
    ForEachIncrementalSize(start, params.nTargetBytes, [&params, &written](SIZE_T size) {
        if (params.hWnd != nullptr)
            ::PostMessageW(params.hWnd, WM_WORKER_STEP, size, 0);
        if (!AllocateTouchFree(size))
            return false;
        ++written;
        return true;
    });
    return written;
}

UINT __cdecl OptimizeThreadProc(LPVOID pParam)
{
    const std::unique_ptr<WorkerParams> params(static_cast<WorkerParams*>(pParam));
    const RunEnd end(params->hWnd);
    try {
        CMemoryStatus ms;
        RunOptimization(*params, ms.Refresh());
    } catch (...) {
        // Memory is short when this happens; the run simply ends.
    }
    return 0;
}

bool COptimizer::PlanRun(std::int32_t memToFree, int incremental, const CMemoryStatus& ms, WorkerParams& params)
{
    // The test takes the amount as stored; the run asks for no more than
    // the system can commit.
    if (!ShouldStartOptimize(ms.dwAvailPhys, TargetBytes<SIZE_T>(memToFree)))
        return false;
    params.nTargetBytes = CappedTargetBytes(memToFree, ms.dwTotalPhys, ms.dwAvailPageFile);
    params.bIncremental = incremental;
    return true;
}

OptimizeStart COptimizer::StartOptimize(std::int32_t memToFree, int incremental, const CMemoryStatus& ms, HWND hWnd)
{
    if (IsRunning())
        return OptimizeStart::Busy;
    std::unique_ptr<WorkerParams> params(new WorkerParams);
    params->hWnd = hWnd;
    if (!PlanRun(memToFree, incremental, ms, *params))
        return OptimizeStart::NotNeeded;
    // A thread that cannot be made leaves everything as it was.
    m_pWorkerThread = AfxBeginThread(&OptimizeThreadProc, params.get());
    if (m_pWorkerThread == nullptr)
        return OptimizeStart::NoThread;
    params.release();  // the worker's now
    return OptimizeStart::Started;
}

OptimizeStart COptimizer::OptimizeHere(std::int32_t memToFree, int incremental, const CMemoryStatus& ms)
{
    WorkerParams params;
    if (!PlanRun(memToFree, incremental, ms, params))
        return OptimizeStart::NotNeeded;
    try {
        RunOptimization(params, ms.dwAvailPhys);
    } catch (...) {
        // As on the worker: the run simply ends.
    }
    return OptimizeStart::Started;
}
