#include "Thread.h"

#include <new>

DWORD WINAPI CWinThread::ThreadEntry(LPVOID self)
{
    CWinThread* thread = static_cast<CWinThread*>(self);
    DWORD code = 0;
    try {
        code = thread->m_pfnThreadProc(thread->m_pThreadParams);
    } catch (...) {
        // No exception may end the process from a worker thread.
        code = 1;
    }
    ::CloseHandle(thread->m_hThread);
    delete thread;
    return code;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID param, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* thread = new (std::nothrow) CWinThread(pfn, param);
    if (thread == nullptr)
        return nullptr;
    // Created suspended so that the handle is stored before the thread can
    // end and close it.
    thread->m_hThread = ::CreateThread(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, thread,
                                       dwCreateFlags | CREATE_SUSPENDED, &thread->m_nThreadID);
    if (thread->m_hThread == nullptr) {
        delete thread;
        return nullptr;
    }
    ::SetThreadPriority(thread->m_hThread, nPriority);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(thread->m_hThread);
    return thread;
}
