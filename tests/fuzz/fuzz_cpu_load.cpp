// The processor load from any series of samples, the truncation into int32
// from any double, and percentages of any part and whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "measure/CpuLoad.h"
#include "measure/Percent.h"
#include "tests/fuzz/Check.h"

namespace {

void CheckTruncate(double value)
{
    const std::int32_t result = TruncateToInt32(value);
    const double max = std::numeric_limits<std::int32_t>::max();
    const double min = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value))
        FUZZ_CHECK(result == 0);
    else if (value >= max)
        FUZZ_CHECK(result == std::numeric_limits<std::int32_t>::max());
    else if (value <= min)
        FUZZ_CHECK(result == std::numeric_limits<std::int32_t>::min());
    else
        FUZZ_CHECK(static_cast<double>(result) == std::trunc(value));
}

// Doubles hold these exactly, so the load of sane samples is exact too.
constexpr std::uint64_t kExact = std::uint64_t{1} << 52;

// lastLoad: what the previous sample returned (0 before the first).
void CheckSample(CpuSampleState& state, std::int32_t& lastLoad, std::uint64_t idle, std::uint64_t time,
                 std::uint8_t processors)
{
    const CpuSampleState before = state;
    const std::int32_t load = ApplyCpuSample(state, idle, time, processors);
    FUZZ_CHECK(state.prevIdle == idle && state.prevTime == time);
    // The first sample, and one at the same time as the last, change nothing.
    if (before.prevIdle == 0 || time == before.prevTime) {
        FUZZ_CHECK(std::memcmp(&state.usage, &before.usage, sizeof state.usage) == 0);
        FUZZ_CHECK(load == lastLoad);
    }
    // Idle time that grew by no more than the time passed on every
    // processor is a load between 0 and 100.
    const std::uint64_t cpus = processors != 0 ? processors : 1;
    const bool sane = before.prevIdle != 0 && idle < kExact && time < kExact && time > before.prevTime &&
                      idle >= before.prevIdle && idle - before.prevIdle <= (time - before.prevTime) * cpus;
    if (sane)
        FUZZ_CHECK(load >= 0 && load <= 100);
    // Over less than 2^32 units of time the load is also computed exactly,
    // in integers: 100 - 100 * idle / capacity + 0.5, truncated, is
    // (201 * capacity - 200 * idle) / (2 * capacity). The program's doubles
    // are off by far less than the distance to the next whole number, except
    // where the exact value is whole: there they may land just below it.
    if (sane && time - before.prevTime < (std::uint64_t{1} << 32)) {
        const std::uint64_t capacity = (time - before.prevTime) * cpus;
        const std::uint64_t twice = 201 * capacity - 200 * (idle - before.prevIdle);
        const auto exact = static_cast<std::int32_t>(twice / (2 * capacity));
        if (twice % (2 * capacity) == 0)
            FUZZ_CHECK(load == exact || load == exact - 1);
        else
            FUZZ_CHECK(load == exact);
    }
    lastLoad = load;
}

void CheckPercent(std::uint64_t part, std::uint64_t whole)
{
    CPercent percent;
    const std::int32_t result = percent.Calc(part, whole);
    FUZZ_CHECK(result >= 0);
    if (whole == 0)
        FUZZ_CHECK(result == 0 && percent.m_dValue == 0.0);
    if (part <= whole)
        FUZZ_CHECK(result <= 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    CheckTruncate(in.ConsumeFloatingPoint<double>());
    double raw = 0.0;
    const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
    std::memcpy(&raw, &bits, sizeof raw);  // NaNs and infinities too
    CheckTruncate(raw);

    CheckPercent(in.ConsumeIntegral<std::uint64_t>(), in.ConsumeIntegral<std::uint64_t>());
    const std::uint64_t whole = in.ConsumeIntegral<std::uint64_t>();
    CheckPercent(in.ConsumeIntegralInRange<std::uint64_t>(0, whole), whole);

    // A series of samples, counters mostly climbing as the system's do.
    CpuSampleState state;
    std::int32_t lastLoad = 0;
    std::uint64_t idle = 0, time = 0;
    while (in.remaining_bytes() > 0) {
        if (in.ConsumeBool()) {
            idle = in.ConsumeIntegral<std::uint64_t>();
            time = in.ConsumeIntegral<std::uint64_t>();
        } else {
            idle += in.ConsumeIntegral<std::uint32_t>();
            time += in.ConsumeIntegral<std::uint32_t>();
        }
        CheckSample(state, lastLoad, idle, time, in.ConsumeIntegral<std::uint8_t>());
    }
    return 0;
}
