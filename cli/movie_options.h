// The options that make a zoom movie instead of one image (--frames, --frame-range, --zoom-to, --turn,
// --center-to, --video, --fps): their names and help, and what they ask for.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "cli/field_options.h"
#include "cli/frame_range.h"

namespace zenphra::cli {

// Enough for an hour at 25 frames a second; frame names have at most five digits.
inline constexpr int32_t kMostFrames = 99999;

struct MovieRequest {
    int32_t frames = 1;
    std::optional<FrameRange> range;  // the frames this run plots; without it all of them
    std::optional<double> zoomTo;     // the last frame's magnification; without it the start view's
    double turnDeg = 0.0;             // the rotation over the whole movie, counter-clockwise
    std::optional<std::pair<double, double>> centerTo;  // the last frame's centre
    // The last frame's magnification and centre as typed, every digit of them, for deep movies.
    QString zoomToText;
    std::pair<QString, QString> centerToText;
    QString video;  // the video file to encode, or empty for frames only
    double fps = 30.0;
};

// In the order the help lists them.
QList<QCommandLineOption> MovieOptions();

// The movie options on the command line, without "--", the last value of each; none for an image.
std::vector<FieldSetting> MovieSettings(const QCommandLineParser& parser);

// What keeps the movie options from making a movie, or empty: --frames makes the movie and the others
// need it, --fps needs --video, a video is an .mp4 or .webm file, and a run of some frames only encodes
// no video.
QString MovieOptionsProblem(const QCommandLineParser& parser);

// Reads the values (with the library's number reader, which must be bound). Shows one message about the
// first value that cannot be used and returns nothing.
std::optional<MovieRequest> ReadMovieSettings(const std::vector<FieldSetting>& settings);

// What the help says about movies after the options.
QString MovieHelp();

}  // namespace zenphra::cli
