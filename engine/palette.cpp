#include "engine/palette.h"

#include <algorithm>
#include <array>

namespace zenphra {
namespace {

void FillChannel(uint8_t* channel, int32_t start, int32_t count, int32_t startValue, int32_t endValue) {
    // The accumulator runs from the end colour back to the start by repeated subtraction, so the inner
    // entries carry its rounding exactly (a 5-to-0 range gives 2, not 3, at its middle).
    channel[start + count - 1] = static_cast<uint8_t>(endValue);
    const double step = static_cast<double>(endValue - startValue) / (count - 1);
    double accumulator = endValue;
    for (int32_t entry = start + count - 2; entry >= start + 1; --entry) {
        accumulator = accumulator - step;
        channel[entry] = static_cast<uint8_t>(static_cast<int32_t>(accumulator + 0.5));
    }
    channel[start] = static_cast<uint8_t>(startValue);
}

void RotateChannel(uint8_t* channel, int32_t direction, int32_t count, int32_t last) {
    std::array<uint8_t, 116> saved;
    if (direction == 0) {
        std::copy_n(channel, count, saved.begin());
        for (int32_t p = 0; p < last; p += count) std::copy_n(channel + p + count, count, channel + p);
        std::copy_n(saved.begin(), count, channel + last);
    } else {
        std::copy_n(channel + last, count, saved.begin());
        for (int32_t p = last; p > 0; p -= count) std::copy_n(channel + p - count, count, channel + p);
        std::copy_n(saved.begin(), count, channel);
    }
}

}  // namespace

bool FillColorRange(const Palette& palette, int32_t start, int32_t count, int32_t startColor,
                    int32_t endColor) {
    if (!palette.Present() || count < 2 || start < 0 || start > kRangeEntries - count) return false;
    uint8_t* channels[] = {palette.red, palette.green, palette.blue};
    for (int32_t channel = 0; channel < 3; ++channel) {
        const int32_t shift = 8 * channel;
        FillChannel(channels[channel], start, count, (startColor >> shift) & 0xFF,
                    (endColor >> shift) & 0xFF);
    }
    return true;
}

bool RotateColorRanges(const Palette& palette, int32_t direction, int32_t count) {
    int32_t last;  // the first entry of the last range
    switch (count) {
        case 29:
            last = 203;
            break;
        case 58:
            last = 174;
            break;
        case 116:
            last = 116;
            break;
        default:
            return false;
    }
    if (!palette.Present()) return false;
    for (uint8_t* channel : {palette.red, palette.green, palette.blue})
        RotateChannel(channel, direction, count, last);
    return true;
}

}  // namespace zenphra
