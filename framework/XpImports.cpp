// The thread library of this toolchain's runtime (winpthreads, which the C++
// library's static-initialisation guards pull in) calls GetTickCount64,
// which the kernel32 of Windows XP lacks: a program importing it does not
// even start there. This defines the import slot it calls through, so that
// the linker takes no such import from kernel32. The slot leads to the
// system's own function where there is one, and to GetTickCount extended
// to 64 bits where not.
// Linked as an object of the program, not from a library, so that the slot
// is defined before the linker reaches kernel32's import library.
#include <windows.h>

#include <atomic>

namespace {

typedef ULONGLONG(WINAPI* TickCount64Fn)();

static_assert(std::atomic<ULONGLONG>::is_always_lock_free, "no lock may be needed to read the time");

std::atomic<bool> g_resolved{false};
std::atomic<TickCount64Fn> g_system{nullptr};
// The last count given out: GetTickCount in the low half, the wrap-arounds
// seen so far (one every 49.7 days) in the high half.
std::atomic<ULONGLONG> g_last{0};

ULONGLONG ExtendedTickCount()
{
    ULONGLONG last = g_last.load();
    for (;;) {
        const DWORD now = ::GetTickCount();
        ULONGLONG next = (last & ~0xFFFFFFFFull) | now;
        if (next < last)
            next += 0x100000000ull;
        if (g_last.compare_exchange_weak(last, next))
            return next;
    }
}

ULONGLONG WINAPI TickCount64()
{
    if (!g_resolved.load(std::memory_order_acquire)) {
        // Two threads may both look it up; they find the same address.
        const FARPROC proc = ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetTickCount64");
        g_system.store(reinterpret_cast<TickCount64Fn>(reinterpret_cast<void (*)()>(proc)));
        g_resolved.store(true, std::memory_order_release);
    }
    const TickCount64Fn system = g_system.load();
    return system != nullptr ? system() : ExtendedTickCount();
}

}  // namespace

// The slot under the name the import library gives it.
#ifdef _WIN64
extern "C" TickCount64Fn imp_GetTickCount64 __asm__("__imp_GetTickCount64");
#else
extern "C" TickCount64Fn imp_GetTickCount64 __asm__("__imp__GetTickCount64@0");
#endif
TickCount64Fn imp_GetTickCount64 = &TickCount64;
