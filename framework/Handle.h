// Kernel handles, registry keys and loaded libraries, owned: each is
// closed when its owner goes, on every path.
#pragma once

#include <windows.h>

template <typename H, typename Closer>
class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(H handle) : m_handle(handle) {}
    ~CUniqueHandle() { Reset(); }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;

    H Get() const { return m_handle; }
    // For the functions that hand out a new handle through a pointer.
    H* Receive()
    {
        Reset();
        return &m_handle;
    }
    bool IsValid() const { return Closer::IsValid(m_handle); }
    void Reset(H handle = H())
    {
        if (Closer::IsValid(m_handle))
            Closer::Close(m_handle);
        m_handle = handle;
    }

private:
    H m_handle = H();
};

namespace afx_detail {

struct KernelCloser {
    // Files answer INVALID_HANDLE_VALUE where other objects answer null.
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct KeyCloser {
    static bool IsValid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct LibraryCloser {
    static bool IsValid(HMODULE h) { return h != nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};

}  // namespace afx_detail

using CHandle = CUniqueHandle<HANDLE, afx_detail::KernelCloser>;
using CRegKey = CUniqueHandle<HKEY, afx_detail::KeyCloser>;
using CLibrary = CUniqueHandle<HMODULE, afx_detail::LibraryCloser>;

// Entry `name` of a loaded module as a function of type Fn, or null: what
// the oldest supported Windows lacks is looked up at run time, never
// imported.
template <typename Fn>
Fn ProcAddress(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}
