#include "cli/movie_options.h"

#include "app/common/messages.h"
#include "app/common/text_lines.h"
#include "app/common/valid_num.h"
#include "cli/number_pair.h"
#include "cli/video_encoder.h"
#include "zenphra.h"

namespace zenphra::cli {
namespace {

const QString kFrames = QStringLiteral("frames");
const QString kFrameRange = QStringLiteral("frame-range");
const QString kZoomTo = QStringLiteral("zoom-to");
const QString kTurn = QStringLiteral("turn");
const QString kCenterTo = QStringLiteral("center-to");
const QString kVideo = QStringLiteral("video");
const QString kFps = QStringLiteral("fps");

// Reads one setting into the request; false after its message.
bool ReadSetting(const FieldSetting& setting, MovieRequest& movie) {
    if (setting.name == kFrames) {
        const std::optional<int32_t> frames = app::ParseInt32(setting.value);
        if (!frames || *frames < 1 || *frames > kMostFrames) {
            return RefuseSetting(setting, QStringLiteral("a whole number from 1 to %1").arg(kMostFrames));
        }
        movie.frames = *frames;
    } else if (setting.name == kZoomTo) {
        // Beyond a double's range the nearest double is the largest one; the text keeps the rest.
        movie.zoomTo = app::ParseLargeNumber(setting.value);
        if (!movie.zoomTo || *movie.zoomTo <= 0.0 || setting.value.size() > ZENPHRA_DEEP_TEXT_LIMIT)
            return RefuseSetting(setting, QStringLiteral("a magnification above 0"));
        movie.zoomToText = setting.value.trimmed();
    } else if (setting.name == kTurn) {
        const std::optional<double> degrees = app::ParseNumber(setting.value);
        if (!degrees) return RefuseSetting(setting, QStringLiteral("an angle in degrees"));
        movie.turnDeg = *degrees;
    } else if (setting.name == kCenterTo) {
        movie.centerTo = ParsePair(setting.value);
        if (!movie.centerTo || setting.value.size() > 2 * ZENPHRA_DEEP_TEXT_LIMIT)
            return RefuseSetting(setting, QStringLiteral("a point RE,IM such as -0.75,0.1"));
        const QStringList parts = setting.value.split(QLatin1Char(','));
        movie.centerToText = {parts[0].trimmed(), parts[1].trimmed()};
    } else if (setting.name == kVideo) {
        movie.video = setting.value;
    } else if (setting.name == kFps) {
        const std::optional<double> rate = app::ParseNumber(setting.value);
        if (!rate || *rate <= 0.0)
            return RefuseSetting(setting, QStringLiteral("a frame rate above 0, such as 30"));
        movie.fps = *rate;
    }
    return true;
}

}  // namespace

QList<QCommandLineOption> MovieOptions() {
    return {
        {kFrames,
         QStringLiteral(
             "Make a zoom movie of N frames (1 to %1), written as NAME-0001.png, NAME-0002.png ... "
             "for --output NAME.png. The first frame is the start view, the last the view the "
             "options below lead to; a single frame is that last view.")
             .arg(kMostFrames),
         QStringLiteral("n")},
        {kFrameRange,
         QStringLiteral(
             "Plot only frames A to B of the movie (counted from 1, both included), as one task of "
             "a render farm does; every task is given the same --frames and options. Encodes no "
             "video: the movie command without it does, once every frame is done."),
         QStringLiteral("A-B")},
        {kZoomTo,
         QStringLiteral("The last frame's magnification, up to 1e20000 (as 6.75e49, say); it grows (or "
                        "shrinks) by the same factor from frame to frame, each frame's worked out in full. "
                        "(default: the start view's)"),
         QStringLiteral("x")},
        {kTurn,
         QStringLiteral("Rotation over the whole movie, counter-clockwise, the same angle every frame. "
                        "(default: 0)"),
         QStringLiteral("degrees")},
        {kCenterTo,
         QStringLiteral("The last frame's centre, in as many digits as the depth needs: the point glides to "
                        "the middle of the picture at an even pace while the zoom goes on. (default: the "
                        "start view's)"),
         QStringLiteral("re,im")},
        {kVideo,
         QStringLiteral("Also encode the frames into a video, .mp4 or .webm, with ffmpeg, which must be "
                        "installed. The frames need an even width and height."),
         QStringLiteral("file")},
        {kFps, QStringLiteral("Frames per second of the video. (default: 30)"), QStringLiteral("rate")},
    };
}

std::vector<FieldSetting> MovieSettings(const QCommandLineParser& parser) {
    std::vector<FieldSetting> settings;
    for (const QCommandLineOption& option : MovieOptions()) {
        const QString name = option.names().constFirst();
        if (parser.isSet(name)) settings.push_back({name, parser.values(name).constLast()});
    }
    return settings;
}

QString MovieOptionsProblem(const QCommandLineParser& parser) {
    const std::vector<FieldSetting> settings = MovieSettings(parser);
    if (settings.empty()) return {};
    if (!parser.isSet(kFrames)) return QStringLiteral("--%1 needs --frames N").arg(settings.front().name);
    if (parser.isSet(kFps) && !parser.isSet(kVideo)) return QStringLiteral("--fps needs --video FILE.mp4");
    if (parser.isSet(kFrameRange) && parser.isSet(kVideo)) {
        return QStringLiteral(
            "--video does not go with --frame-range: a task plots its frames only, and the movie command "
            "without --frame-range encodes the video once every frame is done");
    }
    if (parser.isSet(kVideo) && VideoFormat(parser.value(kVideo)).isEmpty()) {
        return QStringLiteral("--video: \"%1\" does not end in .mp4 or .webm").arg(parser.value(kVideo));
    }
    return {};
}

std::optional<MovieRequest> ReadMovieSettings(const std::vector<FieldSetting>& settings) {
    MovieRequest movie;
    for (const FieldSetting& setting : settings) {
        if (!ReadSetting(setting, movie)) return std::nullopt;
    }
    // The range is read once the number of frames is known, whatever the order of the options.
    for (const FieldSetting& setting : settings) {
        if (setting.name != kFrameRange) continue;
        movie.range = ParseFrameRange(setting.value, movie.frames);
        if (!movie.range) {
            RefuseSetting(setting,
                          QStringLiteral("a range A-B of the movie's frames 1 to %1").arg(movie.frames));
            return std::nullopt;
        }
    }
    return movie;
}

QString MovieHelp() {
    return QStringLiteral(
        "--frames renders the frames one after the other in this one process. Ctrl-C saves the frame in "
        "progress half-finished (exit status 130); the same command run again keeps the finished frames, "
        "continues the half-finished one, goes on with the rest and then makes the video. A frame file "
        "left by other options is plotted anew. On a render farm each task plots a --frame-range of the "
        "same movie, and the movie command run once more at the end finds every frame done and makes the "
        "video.");
}

}  // namespace zenphra::cli
