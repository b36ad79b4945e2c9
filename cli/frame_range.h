// The frames one task of a render farm plots: --frame-range A-B picks frames A to B of the movie, counted
// from 1 and both included, so that every task is given the same --frames and names, views and files are
// those of the whole movie.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zenphra::cli {

// Frames first to end - 1, counted from 0.
struct FrameRange {
    int32_t first = 0;
    int32_t end = 0;

    int32_t count() const { return end - first; }
    bool operator==(const FrameRange&) const = default;
};

// "A-B", or "A" for a single frame, with 1 <= A <= B <= frames; blanks around the numbers are allowed.
// Nothing for any other text.
std::optional<FrameRange> ParseFrameRange(const QString& text, int32_t frames);

}  // namespace zenphra::cli
