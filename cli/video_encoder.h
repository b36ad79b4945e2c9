// Encoding a movie's frames into a video with ffmpeg, which reads the frame files through a pipe.
#pragma once

#include <QString>
#include <QStringList>

#include "cli/exit_status.h"

namespace zenphra::cli {

// The container for a video file, by its extension: "mp4", "webm", or empty for any other.
QString VideoFormat(const QString& path);

// Where ffmpeg lies on the PATH, or empty when it is not installed.
QString FindFfmpeg();

// What ffmpeg is told: read PNG images from its standard input at `fps` frames a second and write them
// in the container `format` to `file`, in the 4:2:0 colours every player shows (which need even sides).
QStringList FfmpegArguments(double fps, const QString& format, const QString& file);

// Pipes the frame files to ffmpeg in their order. ffmpeg writes a file beside the video that replaces
// it only when ffmpeg finished well, so a failed or stopped encoding leaves no broken video. Shows one
// message when ffmpeg cannot start or fails; Ctrl-C stops it without one.
ExitStatus EncodeVideo(const QString& ffmpeg, const QStringList& frames, double fps, const QString& video);

}  // namespace zenphra::cli
