#include "cli/zoom_movie.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "app/common/engine_api.h"
#include "app/common/exact_location.h"
#include "app/common/messages.h"
#include "app/common/valid_num.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/fractal_text.h"
#include "app/imagefiles/image_save.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exact_frames.h"
#include "cli/interrupt.h"
#include "cli/movie_progress.h"
#include "cli/saved_rows.h"
#include "cli/video_encoder.h"
#include "cli/zoom_frames.h"

namespace zenphra::cli {
namespace {

using app::FractalParams;
using app::FractalTextRecord;

struct Movie {
    MovieRequest request;
    FractalParams start;  // the first frame's parameters
    View target;          // the last frame's view
    QString output;       // NAME.png, which the frames' names are made from
    bool quiet = false;
    // Both ends in full, for a movie one of whose ends lies deeper than its doubles say.
    std::optional<std::pair<ExactView, ExactView>> exactEnds;
};

void Note(bool quiet, const QString& text) {
    if (!quiet) std::fprintf(stderr, "%s: %s\n", kProgramName, qPrintable(text));
}

View ViewOf(const FractalParams& params) {
    return {params.TotalMagnify, params.TotalAngleDeg, params.PrevRealCenter, params.PrevImagCenter};
}

View TargetOf(const MovieRequest& request, const View& start) {
    View target = start;
    if (request.zoomTo) target.magnify = *request.zoomTo;
    target.angleDeg = start.angleDeg + request.turnDeg;
    if (request.centerTo) {
        target.centerReal = request.centerTo->first;
        target.centerImag = request.centerTo->second;
    }
    return target;
}

// The movie's ends in full when either holds more than its doubles.
std::optional<std::pair<ExactView, ExactView>> ExactEnds(const MovieRequest& request,
                                                         const FractalParams& start) {
    const ExactView from{app::ExactPartText(start.ExactRealCenter, start.PrevRealCenter),
                         app::ExactPartText(start.ExactImagCenter, start.PrevImagCenter),
                         app::ExactPartText(start.ExactMagnify, start.TotalMagnify)};
    FractalParams end = start;
    if (request.zoomTo) {
        end.TotalMagnify = *request.zoomTo;
        end.ExactMagnify = request.zoomToText;
    }
    if (request.centerTo) {
        end.PrevRealCenter = request.centerTo->first;
        end.PrevImagCenter = request.centerTo->second;
        end.ExactRealCenter = request.centerToText.first;
        end.ExactImagCenter = request.centerToText.second;
    }
    if (app::ExactLocationLines(start).isEmpty() && app::ExactLocationLines(end).isEmpty())
        return std::nullopt;
    const ExactView to{app::ExactPartText(end.ExactRealCenter, end.PrevRealCenter),
                       app::ExactPartText(end.ExactImagCenter, end.PrevImagCenter),
                       app::ExactPartText(end.ExactMagnify, end.TotalMagnify)};
    return std::pair(from, to);
}

// What keeps the movie from being made, found before anything is written; empty when nothing does.
QString ProblemBeforePlotting(const MovieRequest& request, const FractalParams& start,
                              const QString& ffmpeg) {
    if (!(start.TotalMagnify > 0.0)) {
        return QStringLiteral("the start view's magnification is %1; a movie needs one above 0")
            .arg(start.TotalMagnify);
    }
    if (request.video.isEmpty()) return {};
    if (start.HorRes % 2 != 0 || start.VertRes % 2 != 0) {
        return QStringLiteral("--video needs frames of an even width and height; these are %1x%2 pixels")
            .arg(start.HorRes)
            .arg(start.VertRes);
    }
    if (ffmpeg.isEmpty()) {
        return QStringLiteral(
            "--video needs ffmpeg, which is not installed (not found on the PATH); install it, or leave out "
            "--video to make the frames only");
    }
    return {};
}

// A frame's parameters and colours as its file keeps them (the angle to six decimals, for one), so that
// the file describes its pixels exactly and a frame continued later goes on with the very plot it left.
// A deep movie's frame is where its exact view says, the doubles its nearest ones.
FractalTextRecord FrameRecord(const Movie& movie, int32_t frame, const app::PaletteArrays& palette) {
    FractalParams params = movie.start;
    const int32_t frames = movie.request.frames;
    const View view = FrameView(ViewOf(movie.start), movie.target, frame, frames);
    params.TotalMagnify = view.magnify;
    params.TotalAngleDeg = view.angleDeg;
    params.PrevRealCenter = view.centerReal;
    params.PrevImagCenter = view.centerImag;
    if (movie.exactEnds) {
        const ExactView exact =
            ExactFrameView(movie.exactEnds->first, movie.exactEnds->second, frame, frames, params.HorRes);
        params.ExactRealCenter = exact.centerReal;
        params.ExactImagCenter = exact.centerImag;
        params.ExactMagnify = exact.magnify;
        params.PrevRealCenter = app::ParseLargeNumber(exact.centerReal).value_or(view.centerReal);
        params.PrevImagCenter = app::ParseLargeNumber(exact.centerImag).value_or(view.centerImag);
        params.TotalMagnify = app::ParseLargeNumber(exact.magnify).value_or(view.magnify);
    }
    return app::StoredImageRecord(params, palette);
}

// Shows the library's message for a failure code, after ending the progress bar's line; false for a
// success.
bool Failed(int32_t code, const QString& path, MovieProgress& progress) {
    if (code >= 0) return false;
    progress.Finish();
    return app::ErrCheck(code, path);
}

// How the frames ended, and what to say when Ctrl-C stopped them.
struct Outcome {
    ExitStatus status = kFinished;
    QString stopped;
};

// Plots the frame's rows from `firstRow` on as the explorer does, one library call a row, and saves it
// with the row its plot would do next.
Outcome PlotFrame(const FractalParams& params, int32_t frame, int32_t firstRow, const QString& path,
                  const app::PaletteArrays& palette, MovieProgress& progress) {
    const int32_t imageFactor = app::ComputeDisplayFactor(params.HorRes, params.VertRes).ImageFactor;
    const int32_t started = app::InitPlotWith(params, firstRow, imageFactor);
    if (Failed(started, QString(), progress)) return {StatusOfUnstartedPlot(started), {}};
    int32_t row = firstRow;
    for (; row < params.VertRes; ++row) {
        if (app::Engine().PlotFractal(row) == ZENPHRA_ABORTED) break;
        progress.RowPlotted(frame, row + 1);
    }
    const int32_t savedStartY = app::StartYToSave(row, params.VertRes);
    if (Failed(app::SaveImageFile(path, params, savedStartY, palette), path, progress))
        return {kNotWritten, {}};
    if (row == params.VertRes) return {};
    return {kInterrupted, QStringLiteral("stopped at row %1 of %2 in frame %3 and saved \"%4\"")
                              .arg(row)
                              .arg(params.VertRes)
                              .arg(frame + 1)
                              .arg(path)};
}

Outcome PlotFrames(const Movie& movie, const FrameRange& range, const app::PaletteArrays& palette,
                   MovieProgress& progress) {
    const int32_t frames = movie.request.frames;
    for (int32_t frame = range.first; frame < range.end; ++frame) {
        if (InterruptRequested()) {
            return {kInterrupted, QStringLiteral("stopped after frame %1 of %2").arg(frame).arg(frames)};
        }
        const FractalTextRecord wanted = FrameRecord(movie, frame, palette);
        const QString path = FramePath(movie.output, frame, frames);
        const int32_t rowsDone = RowsOnDisk(path, wanted);
        progress.FoundDone(frame, rowsDone);
        if (rowsDone == wanted.params.VertRes) continue;
        if (rowsDone > 0) {
            progress.Finish();
            Note(movie.quiet, QStringLiteral("continuing \"%1\" at row %2").arg(path).arg(rowsDone));
        }
        const Outcome outcome = PlotFrame(wanted.params, frame, rowsDone, path, palette, progress);
        if (outcome.status != kFinished) return outcome;
    }
    return {};
}

QStringList FramePaths(const Movie& movie) {
    QStringList paths;
    for (int32_t frame = 0; frame < movie.request.frames; ++frame) {
        paths << FramePath(movie.output, frame, movie.request.frames);
    }
    return paths;
}

}  // namespace

ExitStatus RenderMovie(const CommandLine& line, app::PaletteArrays& palette) {
    const std::optional<MovieRequest> request = ReadMovieSettings(line.movie);
    if (!request) return kBadInput;
    RenderSetup setup;
    if (!BuildSetup(line, setup, palette)) return kBadInput;
    const QString ffmpeg = request->video.isEmpty() ? QString() : FindFfmpeg();
    const QString problem = ProblemBeforePlotting(*request, setup.params, ffmpeg);
    if (!problem.isEmpty()) {
        app::ShowMessage(problem);
        return kBadInput;
    }
    ApplyColors(setup, palette);
    StopPlotOnInterrupt();

    const Movie movie{*request,    setup.params, TargetOf(*request, ViewOf(setup.params)),
                      line.output, line.quiet,   ExactEnds(*request, setup.params)};
    const FrameRange range = request->range.value_or(FrameRange{0, request->frames});
    MovieProgress progress(ProgressStyleFor(line.quiet), range.count(), setup.params.VertRes, range.first);
    const Outcome outcome = PlotFrames(movie, range, palette, progress);
    progress.Finish();
    const QString continues = QStringLiteral("; the same command continues the movie");
    if (outcome.status == kInterrupted) Note(line.quiet, outcome.stopped + continues);
    if (outcome.status != kFinished || request->video.isEmpty()) return outcome.status;

    Note(line.quiet, QStringLiteral("encoding \"%1\" with ffmpeg").arg(request->video));
    const ExitStatus encoded = EncodeVideo(ffmpeg, FramePaths(movie), request->fps, request->video);
    if (encoded == kInterrupted) {
        Note(line.quiet, QStringLiteral("stopped while encoding \"%1\"; the same command encodes it again")
                             .arg(request->video));
    }
    return encoded;
}

}  // namespace zenphra::cli
