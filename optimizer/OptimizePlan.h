// The optimization run's arithmetic: the block size asked for, whether the
// tick asks for a run and whether it starts, the sizes of an incremental
// run, and writing a block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

constexpr std::uint32_t kOneMegabyte = 0x100000;

// What asking for a run came to.
enum class OptimizeStart {
    Started,    // the start test passed: a run began (or, without a window, took place)
    NotNeeded,  // more memory is free than the run would free
    Busy,       // a run is active
    NoThread,   // the system gave no thread
};

// Megabytes to bytes in the platform's width. An amount too large for it
// asks for the largest size instead of a wrapped, smaller one; a negative
// amount asks for nothing.
template <typename Bytes>
Bytes TargetBytes(std::int32_t megabytes)
{
    if (megabytes <= 0)
        return 0;
    const Bytes mb = static_cast<Bytes>(megabytes);
    if (mb > (std::numeric_limits<Bytes>::max() >> 20))
        return std::numeric_limits<Bytes>::max();
    return static_cast<Bytes>(mb << 20);
}

// What a run asks for: the stored amount in bytes, but never more than the
// system can commit, however the file was edited: at most the Settings
// slider's top (total megabytes + 1) and the page file still available.
template <typename Bytes>
Bytes CappedTargetBytes(std::int32_t megabytes, Bytes totalPhys, Bytes availPageFile)
{
    const Bytes topMb = static_cast<Bytes>((totalPhys >> 20) + 1);
    const Bytes top = topMb > (std::numeric_limits<Bytes>::max() >> 20) ? std::numeric_limits<Bytes>::max()
                                                                        : static_cast<Bytes>(topMb << 20);
    Bytes target = TargetBytes<Bytes>(megabytes);
    if (target > top)
        target = top;
    return target < availPageFile ? target : availPageFile;
}

// A run starts only when no more than the run would free is free already.
template <typename Bytes>
bool ShouldStartOptimize(Bytes availPhys, Bytes targetBytes)
{
    return availPhys <= targetBytes;
}

// Whether the refresh tick asks for a run: a trigger level above 0 and
// fewer whole free megabytes than it (equal is not less).
template <typename Bytes>
bool TriggerReached(std::int32_t triggerLevelMb, Bytes availPhys)
{
    return triggerLevelMb > 0 &&
           static_cast<unsigned long long>(availPhys >> 20) < static_cast<unsigned long long>(triggerLevelMb);
}

// Calls step(size) for the incremental run's block sizes: start, start +
// 1 MB, ... while below the target; stops early when step returns false
// (an allocation failed) or when the next size would not fit the width.
template <typename Bytes, typename Step>
void ForEachIncrementalSize(Bytes start, Bytes target, Step step)
{
    for (Bytes n = start; n < target; n += kOneMegabyte) {
        if (!step(n))
            return;
        if (n > std::numeric_limits<Bytes>::max() - kOneMegabyte)
            return;
    }
}

// The window title of one incremental step: "Freeing %d Meg".
std::string StepTitle(unsigned long long sizeBytes);

// Writes 0 into every byte of the block, a machine word at a time and then
// the remaining bytes, so that every page of it is touched.
void TouchBlock(void* block, std::size_t size);
