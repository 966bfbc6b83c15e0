#include "Optimizer.h"

#include "framework/Text.h"
#include "measure/MemoryStatus.h"
#include "optimizer/OptimizePlan.h"
#include "ui/TrayIcon.h"

namespace {

// Restores the title and posts the done message when the run ends, by
// return or by exception.
class RunEnd {
public:
    explicit RunEnd(HWND hWnd) : m_hWnd(hWnd)
    {
        if (::GetWindowTextW(hWnd, m_savedTitle, kSavedTitleChars) == 0)
            m_savedTitle[0] = L'\0';
    }
    ~RunEnd()
    {
        ::SetWindowTextW(m_hWnd, m_savedTitle);
        ::PostMessageW(m_hWnd, WM_WORKER_DONE, 0, 0);
    }
    RunEnd(const RunEnd&) = delete;
    RunEnd& operator=(const RunEnd&) = delete;

private:
    // 78 characters of the old title and the terminating zero.
    static const int kSavedTitleChars = 79;
    HWND m_hWnd;
    wchar_t m_savedTitle[kSavedTitleChars];
};

void Run(const WorkerParams& params, SIZE_T start)
{
    ::SetWindowTextW(params.hWnd, Widen(params.strOptimizingText).c_str());
    if (!params.bIncremental) {
        params.pfnStep(params.nTargetBytes);
        return;
    }
    ForEachIncrementalSize(start, params.nTargetBytes, [&params](SIZE_T size) {
        ::SetWindowTextW(params.hWnd, Widen(StepTitle(size)).c_str());
        return params.pfnStep(size);
    });
}

}  // namespace

bool AllocateTouchFree(SIZE_T size)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_FIXED, size);
    if (block == nullptr)
        return false;
    ::GlobalLock(block);
    TouchBlock(block, ::GlobalSize(block));
    ::GlobalUnlock(block);
    ::GlobalFree(block);
    return true;
}

UINT __cdecl OptimizeThreadProc(LPVOID pParam)
{
    const std::unique_ptr<WorkerParams> params(static_cast<WorkerParams*>(pParam));
    CMemoryStatus ms;
    const SIZE_T start = ms.Refresh();
    const RunEnd end(params->hWnd);
    try {
        Run(*params, start);
    } catch (...) {
        // Memory is short when this happens; the run simply ends.
    }
    return 0;
}

bool COptimizer::StartOptimize(const OptimizeRequest& request, SIZE_T availPhys)
{
    if (IsRunning())
        return false;
    const SIZE_T target = TargetBytes<SIZE_T>(request.nMemToFree);
    if (!ShouldStartOptimize(availPhys, target))
        return false;

    std::unique_ptr<WorkerParams> params(new WorkerParams);
    params->hWnd = request.hWnd;
    params->nTargetBytes = target;
    params->bIncremental = request.bIncremental;
    params->strOptimizingText = request.strOptimizingText;
    params->pfnStep = request.pfnStep;
    // Suspended until the busy state shows; a thread that cannot be made
    // leaves everything as it was.
    m_pWorkerThread = AfxBeginThread(&OptimizeThreadProc, params.get(), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (m_pWorkerThread == nullptr)
        return false;
    params.release();  // the worker's now

    m_hOptimizeButton = request.hOptimizeButton;
    ::EnableWindow(m_hOptimizeButton, FALSE);
    ::SendMessageW(request.hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(request.hBusyIcon));
    if (request.pTray != nullptr && request.pTray->IsPresent())
        request.pTray->UpdateTrayIcon(request.hBusyIcon, request.strOptimizingText);
    m_pWorkerThread->ResumeThread();
    return true;
}

void COptimizer::OnWorkerDone()
{
    m_pWorkerThread.reset();
    ::EnableWindow(m_hOptimizeButton, TRUE);
}
