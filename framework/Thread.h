// Worker threads. The thread object belongs to whoever started the thread:
// destroying it closes the handle, and neither waits for the thread nor
// stops it.
#pragma once

#include <windows.h>

#include <memory>

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    CWinThread() = default;
    ~CWinThread()
    {
        if (m_hThread != nullptr)
            ::CloseHandle(m_hThread);
    }
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    DWORD ResumeThread() const { return ::ResumeThread(m_hThread); }

    HANDLE m_hThread = nullptr;
};

// Starts pfn(param) on a new thread; null when no thread could start. An
// exception that leaves pfn ends the thread with exit code 1, never the
// process.
std::unique_ptr<CWinThread> AfxBeginThread(AFX_THREADPROC pfn, LPVOID param, int nPriority = THREAD_PRIORITY_NORMAL,
                                           UINT nStackSize = 0, DWORD dwCreateFlags = 0);
