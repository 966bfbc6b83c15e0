// How a meter paints: the colour bands of its gradient, where its filled
// part ends, and its percentage text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One vertical band, painted over [left, right) in colour 0x00BBGGRR.
struct GradientBand {
    int left;
    int right;
    std::uint32_t colour;
};

struct GradientPlan {
    std::vector<GradientBand> bands;  // in painting order
    int backgroundLeft;               // background from here to the right edge; -1: none
};

// The bands of a gradient from start to end colour laid over `width`
// pixels, one band per colour step, up to and including the first band
// that passes filledWidth; the background follows it. Equal colours give
// one flat band over the filled width.
GradientPlan PlanGradient(std::uint32_t startColour, std::uint32_t endColour, int width, int filledWidth);

// The filled width in pixels of a meter at pos of upper.
int FilledWidth(int pos, int upper, int width);
