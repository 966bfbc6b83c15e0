// Times since a process's creation, for the start-up stage marks
// (bench/StageMarks.cpp) and the watcher (bench/watcher.cpp), which both
// count from the creation time the system keeps for a process.
#pragma once

#include <windows.h>

// FILETIME (100 ns since 1601) in microseconds.
inline long long FileTimeUs(const FILETIME& time)
{
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10;
}

// The system time, to the microsecond where the system keeps it so:
// GetSystemTimePreciseAsFileTime (Windows 8 and later, Wine) where there is
// one; otherwise GetSystemTimeAsFileTime, at the clock tick (under Wine it
// reads the Unix clock, to the microsecond, too). Looked up at each call:
// a static would bring the C++ library's guards into the floor's marked
// build, which must load like the floor.
inline long long SystemTimeUs()
{
    using Reader = void(WINAPI*)(FILETIME*);
    const Reader precise = reinterpret_cast<Reader>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME now;
    (precise != nullptr ? precise : &::GetSystemTimeAsFileTime)(&now);
    return FileTimeUs(now);
}

// When the process was created (in the system's time), or -1.
inline long long CreationTimeUs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    return FileTimeUs(created);
}
