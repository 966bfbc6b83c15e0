#include "Optimizer.h"

#include "framework/Text.h"
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

void ShowTitle(HWND hWnd, const std::string& title)
{
    if (hWnd != nullptr)
        ::SetWindowTextW(hWnd, Widen(title).c_str());
}

}  // namespace

int RunOptimization(const WorkerParams& params, SIZE_T start)
{
    ShowTitle(params.hWnd, params.strOptimizingText);
    if (!params.bIncremental)
        return AllocateTouchFree(params.nTargetBytes) ? 1 : 0;
    int written = 0;
    ForEachIncrementalSize(start, params.nTargetBytes, [&params, &written](SIZE_T size) {
        ShowTitle(params.hWnd, StepTitle(size));
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
    CMemoryStatus ms;
    const SIZE_T start = ms.Refresh();
    const RunEnd end(params->hWnd);
    try {
        RunOptimization(*params, start);
    } catch (...) {
        // Memory is short when this happens; the run simply ends.
    }
    return 0;
}

OptimizeStart COptimizer::StartOptimize(const OptimizeRequest& request, const CMemoryStatus& ms)
{
    if (IsRunning())
        return OptimizeStart::Busy;
    // The start test takes the amount as stored; the run asks for no more
    // than the system can commit.
    if (!ShouldStartOptimize(ms.dwAvailPhys, TargetBytes<SIZE_T>(request.nMemToFree)))
        return OptimizeStart::NotNeeded;

    std::unique_ptr<WorkerParams> params(new WorkerParams);
    params->hWnd = request.hWnd;
    params->nTargetBytes = CappedTargetBytes(request.nMemToFree, ms.dwTotalPhys, ms.dwAvailPageFile);
    params->bIncremental = request.bIncremental;
    params->strOptimizingText = request.strOptimizingText;
    // Suspended until the busy state shows; a thread that cannot be made
    // leaves everything as it was.
    m_pWorkerThread = AfxBeginThread(&OptimizeThreadProc, params.get(), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (m_pWorkerThread == nullptr)
        return OptimizeStart::NoThread;
    params.release();  // the worker's now

    m_hOptimizeButton = request.hOptimizeButton;
    ::EnableWindow(m_hOptimizeButton, FALSE);
    ::SendMessageW(request.hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(request.hBusyIcon));
    if (request.pTray != nullptr && request.pTray->IsPresent())
        request.pTray->UpdateTrayIcon(request.hBusyIcon, request.strOptimizingText);
    m_pWorkerThread->ResumeThread();
    return OptimizeStart::Started;
}

void COptimizer::OnWorkerDone()
{
    m_pWorkerThread.reset();
    ::EnableWindow(m_hOptimizeButton, TRUE);
}
