// The optimization's block step for the in-process tests, linked in place
// of the program's: a run there is bounded only by the machine's memory,
// and no test may write that much.
#include "tests/win32/Support.h"

#include <new>

#include "optimizer/Optimizer.h"

namespace win32test {
namespace {

volatile LONG g_step = static_cast<LONG>(TouchFreeStep::Fail);
HANDLE g_release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);

}  // namespace

void SetTouchFreeStep(TouchFreeStep step)
{
    ::ResetEvent(g_release);
    ::InterlockedExchange(&g_step, static_cast<LONG>(step));
}

void ReleaseTouchFreeStep()
{
    ::SetEvent(g_release);
}

}  // namespace win32test

bool AllocateTouchFree(SIZE_T)
{
    using namespace win32test;
    switch (static_cast<TouchFreeStep>(::InterlockedCompareExchange(&g_step, 0, 0))) {
    case TouchFreeStep::Throw:
        throw std::bad_alloc();
    case TouchFreeStep::Wait:
        ::WaitForSingleObject(g_release, 10000);
        break;
    case TouchFreeStep::Fail:
        break;
    }
    return false;
}
