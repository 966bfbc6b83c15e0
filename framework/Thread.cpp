#include "Thread.h"

#include <new>

namespace {

struct ThreadStart {
    AFX_THREADPROC pfn;
    LPVOID param;
};

DWORD WINAPI ThreadEntry(LPVOID p)
{
    const ThreadStart start = *static_cast<ThreadStart*>(p);
    delete static_cast<ThreadStart*>(p);
    try {
        return start.pfn(start.param);
    } catch (...) {
        return 1;
    }
}

}  // namespace

std::unique_ptr<CWinThread> AfxBeginThread(AFX_THREADPROC pfn, LPVOID param, int nPriority, UINT nStackSize,
                                           DWORD dwCreateFlags)
{
    std::unique_ptr<CWinThread> thread(new (std::nothrow) CWinThread);
    ThreadStart* start = new (std::nothrow) ThreadStart{pfn, param};
    if (thread == nullptr || start == nullptr) {
        delete start;
        return nullptr;
    }
    thread->m_hThread =
        ::CreateThread(nullptr, nStackSize, &ThreadEntry, start, dwCreateFlags | CREATE_SUSPENDED, nullptr);
    if (thread->m_hThread == nullptr) {
        delete start;
        return nullptr;
    }
    ::SetThreadPriority(thread->m_hThread, nPriority);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        thread->ResumeThread();
    return thread;
}
