// Throughput of the optimization worker's write: allocate a block, write
// every byte with TouchBlock, free it; against memset of a block freshly
// allocated the same way. Built for Windows (GlobalAlloc, as the worker
// does) and natively (mmap).
//   touch_bench SIZE_MB ROUNDS
// The two alternate after a pass that is not counted, so that a busy
// machine slows both alike. Prints the median milliseconds of both and the
// median of the rounds' throughput ratios (TouchBlock / memset; above 1 is
// faster):
//   TOUCH_MS MEMSET_MS RATIO
// Exit code 3 when the block cannot be allocated.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "optimizer/OptimizePlan.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <time.h>
#endif

namespace {

#ifdef _WIN32
void* Allocate(std::size_t size)
{
    return ::GlobalAlloc(GMEM_FIXED, size);
}
void Free(void* block, std::size_t)
{
    ::GlobalFree(block);
}
double NowMs()
{
    LARGE_INTEGER frequency, count;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}
#else
void* Allocate(std::size_t size)
{
    void* block = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}
void Free(void* block, std::size_t size)
{
    ::munmap(block, size);
}
double NowMs()
{
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}
#endif

// Milliseconds for one allocate-write-free of `size` bytes; negative when
// the allocation fails.
template <typename Write>
double TimeOnce(std::size_t size, Write write)
{
    const double start = NowMs();
    void* block = Allocate(size);
    if (block == nullptr)
        return -1.0;
    write(block, size);
    // The compiler may not drop the writes to a block that is freed next.
    asm volatile("" : : "r"(block) : "memory");
    Free(block, size);
    return NowMs() - start;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: touch_bench SIZE_MB ROUNDS\n");
        return 2;
    }
    const unsigned long long megabytes = std::strtoull(argv[1], nullptr, 10);
    const int rounds = std::max(1, std::atoi(argv[2]));
    if (megabytes == 0 || megabytes > (static_cast<std::size_t>(-1) >> 20)) {
        std::fprintf(stderr, "touch_bench: %llu MB does not fit this build\n", megabytes);
        return 3;
    }
    const std::size_t size = static_cast<std::size_t>(megabytes) << 20;

    auto touch = [](void* block, std::size_t n) { TouchBlock(block, n); };
    auto fill = [](void* block, std::size_t n) { std::memset(block, 0, n); };
    // One pass first, not counted: memory that the machine (or the host of
    // a virtual machine) hands out for the first time costs more, and only
    // the first of the two would pay for it.
    if (TimeOnce(size, fill) < 0.0) {
        std::fprintf(stderr, "touch_bench: no block of %llu MB\n", megabytes);
        return 3;
    }
    std::vector<double> touchMs, memsetMs, ratios;
    for (int round = 0; round < rounds; ++round) {
        // Which one goes first alternates, so neither always meets the
        // memory the other has just given back.
        double t, m;
        if (round % 2 == 0) {
            t = TimeOnce(size, touch);
            m = TimeOnce(size, fill);
        } else {
            m = TimeOnce(size, fill);
            t = TimeOnce(size, touch);
        }
        if (t < 0.0 || m < 0.0) {
            std::fprintf(stderr, "touch_bench: no block of %llu MB\n", megabytes);
            return 3;
        }
        touchMs.push_back(t);
        memsetMs.push_back(m);
        ratios.push_back(m / t);
    }
    std::printf("%.1f %.1f %.3f\n", Median(touchMs), Median(memsetMs), Median(ratios));
    return 0;
}
