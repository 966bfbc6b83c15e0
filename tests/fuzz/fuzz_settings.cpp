// The Settings dialog's slider ranges, defaults and value labels from any
// memory size (in both widths) and any slider value and unit word.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "app/SettingsDefaults.h"
#include "tests/fuzz/Check.h"
#include "ui/SettingsRules.h"

namespace {

template <typename Bytes>
void CheckRanges(Bytes totalPhys)
{
    const SliderRanges r = RangesForMemory(totalPhys);
    FUZZ_CHECK(r.memToFreeMin == 1 && r.triggerMin == 0);
    FUZZ_CHECK(static_cast<std::uint64_t>(r.memToFreeMax) == (static_cast<std::uint64_t>(totalPhys) >> 20) + 1);
    FUZZ_CHECK(static_cast<std::uint64_t>(r.triggerMax) == (static_cast<std::uint64_t>(totalPhys) >> 21) + 1);
    FUZZ_CHECK(r.triggerMax >= 1 && r.triggerMax <= r.memToFreeMax);

    // The defaults lie on their sliders (memory to free from 3 MB up).
    const std::int32_t memToFree = DefaultMemToFree(totalPhys);
    const std::int32_t trigger = DefaultTriggerLevel(totalPhys);
    FUZZ_CHECK(memToFree >= 0 && memToFree <= r.memToFreeMax);
    FUZZ_CHECK(memToFree >= r.memToFreeMin || (totalPhys >> 20) < 3);
    FUZZ_CHECK(trigger >= 1 && trigger <= r.triggerMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    CheckRanges(in.ConsumeIntegral<std::uint32_t>());
    // No Windows addresses 256 TB of memory; beyond it the megabytes would
    // no longer fit the sliders' int.
    CheckRanges(in.ConsumeIntegralInRange<std::uint64_t>(0, (std::uint64_t{1} << 48) - 1));

    const std::int32_t value = in.ConsumeIntegral<std::int32_t>();
    const std::uint64_t totalMb = in.ConsumeIntegral<std::uint64_t>();
    const std::string unit = in.ConsumeRemainingBytesAsString();
    const std::string label = ValueLabel(value, totalMb, unit);

    // "value unit  (share%)"
    const std::string head = std::to_string(value) + " " + unit + "  (";
    FUZZ_CHECK(label.compare(0, head.size(), head) == 0);
    FUZZ_CHECK(label.size() >= head.size() + 3 && label.compare(label.size() - 2, 2, "%)") == 0);
    const std::string share = label.substr(head.size(), label.size() - head.size() - 2);
    FUZZ_CHECK(!share.empty() && share.find_first_not_of("0123456789") == std::string::npos);
    if (value <= 0 || totalMb == 0)
        FUZZ_CHECK(share == "0");
    else if (static_cast<std::uint64_t>(value) <= totalMb)
        FUZZ_CHECK(std::stoi(share) <= 100);
    return 0;
}
