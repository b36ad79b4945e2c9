// The views of a zoom movie whose ends lie deeper than doubles reach: each frame's centre and
// magnification worked out in full from the movie's ends, as FrameView works them out in doubles, so
// that frame k of a movie down to 1e1000 is at its own place, computed rather than accumulated.
#pragma once

#include <QString>
#include <cstdint>

namespace zenphra::cli {

// A view's centre and magnification as decimal text of any length.
struct ExactView {
    QString centerReal, centerImag, magnify;

    bool operator==(const ExactView&) const = default;
};

// Frame `frame` (counted from 0) of `frames` in pictures `width` pixels wide: the magnification
// M0^(1-t) M1^t to 30 digits, the centre C0 w + C1 (1 - w) with w = (M0 / M) (1 - t), to the digits the
// deepest of the two magnifications needs at that width and some to spare. The first frame is exactly
// `start`, the last exactly `target`. The texts must be decimals the deep path takes, the magnifications
// above 0.
ExactView ExactFrameView(const ExactView& start, const ExactView& target, int32_t frame, int32_t frames,
                         int32_t width);

}  // namespace zenphra::cli
