// Start-up stage marks of the benchmark builds; compiled only into the bench
// targets, never into the shipped programs.
//
// Each mark is "name microseconds-since-process-creation", one line, the
// first time a name is marked. The process's creation time is a system time
// (GetProcessTimes), so one reading of the system clock, at the first mark,
// places the performance counter against it; every mark is that reading
// plus the counter's interval since, which is monotonic and finer than a
// microsecond whatever the system clock's resolution or adjustments. (The
// one system clock reading is to the microsecond where the system keeps it
// so: bench/Clock.h.) The file is opened at the first mark and kept open,
// so that a mark costs one write; the time is read before anything else,
// so what a mark costs falls into the next stage, not this one.
#include "bench/StageMarks.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "bench/Clock.h"

namespace {

const int kMaxStages = 16;
const char* g_marked[kMaxStages];
int g_markedCount = 0;

bool g_started = false;
HANDLE g_file = INVALID_HANDLE_VALUE;
LARGE_INTEGER g_frequency;
LARGE_INTEGER g_referenceCount;
long long g_referenceUs = 0;  // since creation, at g_referenceCount

// The reference pair, read back to back, and the file; no file when
// BKFR_STAGES is not set.
void Start()
{
    g_started = true;
    const long long systemUs = SystemTimeUs();
    ::QueryPerformanceCounter(&g_referenceCount);
    g_referenceUs = systemUs - CreationTimeUs(::GetCurrentProcess());
    ::QueryPerformanceFrequency(&g_frequency);
    char path[MAX_PATH];
    const DWORD length = ::GetEnvironmentVariableA("BKFR_STAGES", path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return;
    g_file = ::CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool Marked(const char* name)
{
    for (int i = 0; i < g_markedCount; ++i)
        if (std::strcmp(g_marked[i], name) == 0)
            return true;
    return false;
}

}  // namespace

void WriteStageMark(const char* name)
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    if (!g_started)
        Start();
    if (g_file == INVALID_HANDLE_VALUE || Marked(name) || g_markedCount == kMaxStages)
        return;
    g_marked[g_markedCount++] = name;
    const long long us = g_referenceUs + (now.QuadPart - g_referenceCount.QuadPart) * 1000000 / g_frequency.QuadPart;
    char line[96];
    const int length = std::snprintf(line, sizeof line, "%s %lld\n", name, us);
    if (length <= 0 || length >= static_cast<int>(sizeof line))
        return;
    DWORD written = 0;
    ::WriteFile(g_file, line, static_cast<DWORD>(length), &written, nullptr);
}
