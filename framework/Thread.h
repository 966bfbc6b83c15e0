// Worker threads whose thread object deletes itself when the thread ends.
#pragma once

#include <windows.h>

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
    CWinThread(AFX_THREADPROC pfn, LPVOID param) : m_pfnThreadProc(pfn), m_pThreadParams(param) {}
    static DWORD WINAPI ThreadEntry(LPVOID self);

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
};

// Starts pfn(param) on a new thread. The returned object belongs to the
// thread and is deleted when pfn returns; null when no thread could start.
CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID param, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
