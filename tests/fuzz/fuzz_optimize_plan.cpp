// The optimization run's arithmetic from any figures, in both widths: the
// target saturates instead of wrapping, the incremental sizes climb by one
// megabyte from the start, stay below the target and never wrap, the step
// titles carry their size; and TouchBlock writes exactly its block, from
// any alignment.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "optimizer/OptimizePlan.h"
#include "tests/fuzz/Check.h"

namespace {

// Enough steps to cross any wrap-around; the step count is what bounds a
// run, not the sizes.
constexpr std::uint64_t kMaxSteps = 4096;

template <typename Bytes>
void CheckTarget(std::int32_t megabytes)
{
    const Bytes target = TargetBytes<Bytes>(megabytes);
    if (megabytes <= 0) {
        FUZZ_CHECK(target == 0);
        return;
    }
    const unsigned __int128 exact = static_cast<unsigned __int128>(megabytes) << 20;
    const Bytes max = std::numeric_limits<Bytes>::max();
    FUZZ_CHECK(target == (exact <= max ? static_cast<Bytes>(exact) : max));
    if (megabytes < std::numeric_limits<std::int32_t>::max())
        FUZZ_CHECK(TargetBytes<Bytes>(megabytes + 1) >= target);
}

template <typename Bytes>
void CheckIncremental(Bytes start, Bytes target, std::uint64_t stopAfter)
{
    // Every size the run would ask for without stopping early: from the
    // start in megabyte steps while below the target and representable.
    const Bytes max = std::numeric_limits<Bytes>::max();
    typedef unsigned __int128 Wide;
    Wide expected = 0;
    if (start < target) {
        const Wide belowTarget = (static_cast<Wide>(target - start) + kOneMegabyte - 1) / kOneMegabyte;
        const Wide representable = static_cast<Wide>(max - start) / kOneMegabyte + 1;
        expected = belowTarget < representable ? belowTarget : representable;
    }
    const std::uint64_t limit = stopAfter < kMaxSteps ? stopAfter : kMaxSteps;

    std::uint64_t calls = 0;
    ForEachIncrementalSize(start, target, [&](Bytes size) {
        FUZZ_CHECK(calls < limit);
        FUZZ_CHECK(static_cast<Wide>(size) == static_cast<Wide>(start) + static_cast<Wide>(calls) * kOneMegabyte);
        FUZZ_CHECK(size < target);
        ++calls;
        return calls < limit;
    });
    FUZZ_CHECK(calls == (expected < limit ? static_cast<std::uint64_t>(expected) : limit));
}

void CheckTitle(unsigned long long sizeBytes)
{
    FUZZ_CHECK(StepTitle(sizeBytes) == "Freeing " + std::to_string(sizeBytes >> 20) + " Meg");
}

void CheckTouch(std::size_t offset, std::size_t length)
{
    std::vector<unsigned char> memory(offset + length + 16, 0xA5);
    TouchBlock(memory.data() + offset, length);
    for (std::size_t i = 0; i < memory.size(); ++i)
        FUZZ_CHECK(memory[i] == (i >= offset && i < offset + length ? 0 : 0xA5));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::int32_t megabytes = in.ConsumeIntegral<std::int32_t>();
    CheckTarget<std::uint32_t>(megabytes);
    CheckTarget<std::uint64_t>(megabytes);

    const std::uint64_t stopAfter = in.ConsumeIntegralInRange<std::uint64_t>(1, kMaxSteps + 1);
    CheckIncremental<std::uint32_t>(in.ConsumeIntegral<std::uint32_t>(), in.ConsumeIntegral<std::uint32_t>(),
                                    stopAfter);
    CheckIncremental<std::uint64_t>(in.ConsumeIntegral<std::uint64_t>(), in.ConsumeIntegral<std::uint64_t>(),
                                    stopAfter);

    CheckTitle(in.ConsumeIntegral<unsigned long long>());

    const std::size_t offset = in.ConsumeIntegralInRange<std::size_t>(0, 15);
    CheckTouch(offset, in.ConsumeIntegralInRange<std::size_t>(0, 4096));
    return 0;
}
