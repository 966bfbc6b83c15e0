#include "GradientBands.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Red(std::uint32_t c)
{
    return static_cast<int>(c & 0xFF);
}
int Green(std::uint32_t c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(std::uint32_t c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}
std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r & 0xFF) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
           (static_cast<std::uint32_t>(b & 0xFF) << 16);
}

}  // namespace

GradientPlan PlanGradient(std::uint32_t startColour, std::uint32_t endColour, int width, int filledWidth)
{
    GradientPlan plan{{}, -1};
    const int dR = Red(endColour) - Red(startColour);
    const int dG = Green(endColour) - Green(startColour);
    const int dB = Blue(endColour) - Blue(startColour);
    const int steps = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});

    if (steps <= 0) {
        // Nothing to grade: a flat bar in the one colour.
        const int right = std::clamp(filledWidth, 0, width);
        if (right > 0)
            plan.bands.push_back({0, right, startColour});
        plan.backgroundLeft = right < width ? right : -1;
        return plan;
    }

    // Single precision, as the band edges and colours have always been
    // computed, so that the bands fall on the same pixels.
    const float w = static_cast<float>(width) / static_cast<float>(steps);
    const float rStep = static_cast<float>(dR) / static_cast<float>(steps);
    const float gStep = static_cast<float>(dG) / static_cast<float>(steps);
    const float bStep = static_cast<float>(dB) / static_cast<float>(steps);
    const float startR = static_cast<float>(Red(startColour));
    const float startG = static_cast<float>(Green(startColour));
    const float startB = static_cast<float>(Blue(startColour));

    for (int i = 0; i < steps; ++i) {
        const float fi = static_cast<float>(i);
        const GradientBand band = {static_cast<int>(fi * w), static_cast<int>((fi + 1.0f) * w),
                                   Rgb(static_cast<int>(startR + fi * rStep), static_cast<int>(startG + fi * gStep),
                                       static_cast<int>(startB + fi * bStep))};
        plan.bands.push_back(band);
        if (band.right > filledWidth) {
            plan.backgroundLeft = band.right;
            return plan;
        }
    }

    // Rounding may leave the last band short of the right edge: the rest is
    // painted too, as bar up to the filled width and as background after it.
    const GradientBand last = plan.bands.back();
    if (last.right < width) {
        if (filledWidth > last.right)
            plan.bands.push_back({last.right, std::min(filledWidth, width), last.colour});
        const int backgroundLeft = plan.bands.back().right > last.right ? plan.bands.back().right : last.right;
        plan.backgroundLeft = backgroundLeft < width ? backgroundLeft : -1;
    }
    return plan;
}

int FilledWidth(int pos, int upper, int width)
{
    if (upper == 0)
        return 0;
    return static_cast<int>(static_cast<double>(pos) / upper * width);
}
