#include "Optimizer.h"

#include <shellapi.h>

#include "app/MainDialog.h"
#include "app/MemoryStatus.h"
#include "i18n/TextTable.h"
#include "optimizer/OptimizePlan.h"
#include "ui/TrayRecord.h"

WorkerParams g_workerParams;

namespace {

// Asks for one block of `size` bytes, writes it and frees it; false when
// the system has no such block to give.
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

}  // namespace

UINT __cdecl OptimizeThreadProc(LPVOID pParam)
{
    const WorkerParams& params = *static_cast<const WorkerParams*>(pParam);
    CMemoryStatus ms;
    const SIZE_T start = ms.Refresh();

    NotifyIconRecord nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = params.hWnd;
    nid.uID = 1;
    nid.uFlags = NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_TRAY_NOTIFY;
    nid.hIcon = params.hBusyIcon;
    CopyTip(ComposeTip(params.strOptimizingText), nid.szTip);
    ::Shell_NotifyIconA(NIM_MODIFY, AsShellRecord(nid));

    char savedTitle[79];
    if (::GetWindowTextA(params.hWnd, savedTitle, sizeof savedTitle) == 0)
        savedTitle[0] = '\0';
    ::SetWindowTextA(params.hWnd, params.strOptimizingText.c_str());

    if (!params.bIncremental) {
        AllocateTouchFree(params.nTargetBytes);
    } else {
        ForEachIncrementalSize(start, params.nTargetBytes, [&params](SIZE_T size) {
            ::SetWindowTextA(params.hWnd, StepTitle(size).c_str());
            return AllocateTouchFree(size);
        });
    }

    ::SetWindowTextA(params.hWnd, savedTitle);
    ::PostMessageA(params.hWnd, WM_WORKER_DONE, 0, 0);
    return 0;
}

void CMainDialog::OnOptimize()
{
    StartOptimize();
}

void CMainDialog::StartOptimize()
{
    if (m_pWorkerThread != nullptr)
        return;
    const SIZE_T target = TargetBytes<SIZE_T>(m_nMemToFree);
    CMemoryStatus ms;
    if (!ShouldStartOptimize(ms.Refresh(), target))
        return;

    m_btnOptimize.EnableWindow(FALSE);
    SetIcon(m_hIconBusy, FALSE);
    g_workerParams.nTargetBytes = target;
    g_workerParams.hWnd = m_hWnd;
    g_workerParams.hBusyIcon = m_hIconBusy;
    g_workerParams.bIncremental = m_bUseIncrementalRelease;
    // The worker's own copy: a language change may replace the store's text
    // while the worker runs.
    g_workerParams.strOptimizingText = GetText(TextKey::OptimizingRam);
    m_pWorkerThread = AfxBeginThread(OptimizeThreadProc, &g_workerParams, THREAD_PRIORITY_NORMAL, 0, 0, nullptr);
    if (m_pWorkerThread == nullptr) {
        // No worker will report back: the button must not stay disabled.
        m_btnOptimize.EnableWindow(TRUE);
    }
}

LRESULT CMainDialog::OnWorkerDone(WPARAM, LPARAM)
{
    m_pWorkerThread = nullptr;
    m_btnOptimize.EnableWindow(TRUE);
    return 1;
}
