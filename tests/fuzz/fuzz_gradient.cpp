// How a meter paints, for any colours, widths and positions: the bands lie
// side by side from the left edge inside the width, cover the filled part,
// and the background (if any) takes over where they end.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "app/StatsText.h"
#include "tests/fuzz/Check.h"
#include "ui/GradientBands.h"

namespace {

// Wider than any meter, small enough that one run stays fast.
constexpr int kMaxWidth = 4096;

void CheckPlan(std::uint32_t start, std::uint32_t end, int width, int filled)
{
    const GradientPlan plan = PlanGradient(start, end, width, filled);
    // One band per colour step at most, and the rest of the bar.
    FUZZ_CHECK(plan.bands.size() <= 256 + 1);
    int right = 0;
    for (const GradientBand& band : plan.bands) {
        FUZZ_CHECK(band.left == right);
        FUZZ_CHECK(band.left <= band.right && band.right <= width);
        right = band.right;
    }
    FUZZ_CHECK(right >= std::clamp(filled, 0, width));
    if (plan.backgroundLeft == -1)
        FUZZ_CHECK(right == width);
    else
        FUZZ_CHECK(plan.backgroundLeft == right && plan.backgroundLeft <= width);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::uint32_t start = in.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t end = in.ConsumeBool() ? start : in.ConsumeIntegral<std::uint32_t>();
    const int width = in.ConsumeIntegralInRange<int>(0, kMaxWidth);
    CheckPlan(start, end, width, in.ConsumeIntegral<int>());

    // As the meter calls them: a position within 0..upper.
    const int upper = in.ConsumeIntegralInRange<int>(0, std::numeric_limits<int>::max());
    const int pos = in.ConsumeIntegralInRange<int>(0, upper);
    const int filled = FilledWidth(pos, upper, width);
    FUZZ_CHECK(filled >= 0 && filled <= width);
    if (upper > 0 && pos == upper)
        FUZZ_CHECK(filled == width);
    CheckPlan(start, end, width, filled);

    // Any position and upper end: a whole percentage, never cut short.
    const int anyPos = in.ConsumeIntegral<int>();
    const int anyUpper = in.ConsumeIntegral<int>();
    for (const std::string& text : {MeterPercentText(pos, upper), MeterPercentText(anyPos, anyUpper)}) {
        FUZZ_CHECK(text.size() >= 2 && text.back() == '%');
        const std::string number = text.substr(text[0] == '-' ? 1 : 0, text.size() - 1 - (text[0] == '-' ? 1 : 0));
        FUZZ_CHECK(!number.empty() && number.find_first_not_of("0123456789") == std::string::npos);
    }
    const std::string percent = MeterPercentText(pos, upper);
    FUZZ_CHECK(std::stoi(percent) >= 0 && std::stoi(percent) <= 100);
    return 0;
}
