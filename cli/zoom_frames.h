// The views of a zoom movie's frames and the names of their files.
//
// The magnification grows geometrically, so that every frame magnifies the one before by the same factor
// and the zoom looks steady; the picture turns by the same angle every frame; and the centre moves so that
// the point it moves to glides toward the middle of the picture at an even pace, reaching it on the last
// frame as the zoom reaches its magnification.
#pragma once

#include <QString>
#include <cstdint>

namespace zenphra::cli {

struct View {
    double magnify = 1.0;
    double angleDeg = 0.0;
    double centerReal = 0.0;
    double centerImag = 0.0;

    bool operator==(const View&) const = default;
};

// Frame `frame` (counted from 0) of `frames`: the first is exactly `start`, the last exactly `target`,
// and a movie of a single frame is the target. The magnifications must be above 0.
View FrameView(const View& start, const View& target, int32_t frame, int32_t frames);

// "movie.png" gives "movie-0001.png", "movie-0002.png" ...: numbered from 1 with at least four digits,
// more when the last frame's number needs them, so that the names sort in the order of the frames.
QString FramePath(const QString& output, int32_t frame, int32_t frames);

}  // namespace zenphra::cli
