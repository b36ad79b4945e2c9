#include "cli/video_encoder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

#include "app/common/messages.h"
#include "cli/interrupt.h"

namespace zenphra::cli {
namespace {

constexpr int kWaitStepMs = 100;  // how often a wait looks for Ctrl-C

// Waits until ffmpeg has taken the bytes written to it; false when it ended first or Ctrl-C came.
bool FeedFully(QProcess& ffmpeg) {
    while (ffmpeg.bytesToWrite() > 0) {
        if (InterruptRequested() || ffmpeg.state() != QProcess::Running) return false;
        ffmpeg.waitForBytesWritten(kWaitStepMs);
    }
    return !InterruptRequested();
}

bool Feed(QProcess& ffmpeg, const QString& frame) {
    QFile file(frame);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return ffmpeg.write(file.readAll()) == file.size() && FeedFully(ffmpeg);
}

// Waits for ffmpeg to end, for as long as it takes, unless Ctrl-C comes first.
bool Finished(QProcess& ffmpeg) {
    while (!ffmpeg.waitForFinished(kWaitStepMs)) {
        if (InterruptRequested() || ffmpeg.state() != QProcess::Running) break;
    }
    return ffmpeg.state() == QProcess::NotRunning && !InterruptRequested();
}

}  // namespace

QString VideoFormat(const QString& path) {
    for (const QLatin1String format : {QLatin1String("mp4"), QLatin1String("webm")}) {
        if (path.endsWith(QLatin1Char('.') + format, Qt::CaseInsensitive)) return format;
    }
    return {};
}

QString FindFfmpeg() { return QStandardPaths::findExecutable(QStringLiteral("ffmpeg")); }

QStringList FfmpegArguments(double fps, const QString& format, const QString& file) {
    QStringList arguments{
        QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
        QStringLiteral("-y"),           QStringLiteral("-f"),        QStringLiteral("image2pipe"),
        QStringLiteral("-c:v"),         QStringLiteral("png"),       QStringLiteral("-framerate"),
        QString::number(fps),           QStringLiteral("-i"),        QStringLiteral("-"),
        QStringLiteral("-pix_fmt"),     QStringLiteral("yuv420p")};
    // An mp4 file whose index comes first plays while it is still being downloaded.
    if (format == QStringLiteral("mp4"))
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    return arguments << QStringLiteral("-f") << format << file;
}

ExitStatus EncodeVideo(const QString& ffmpeg, const QStringList& frames, double fps, const QString& video) {
    const QString unfinished = video + QStringLiteral(".part");
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    encoder.setStandardOutputFile(QProcess::nullDevice());
    encoder.start(ffmpeg, FfmpegArguments(fps, VideoFormat(video), unfinished));
    if (!encoder.waitForStarted()) {
        app::ShowMessage(QStringLiteral("ffmpeg could not be started: %1").arg(encoder.errorString()));
        return kNotWritten;
    }

    bool fed = true;
    for (const QString& frame : frames) {
        fed = Feed(encoder, frame);
        if (!fed) break;
    }
    encoder.closeWriteChannel();
    const bool finished = fed && Finished(encoder);
    if (InterruptRequested()) {
        encoder.kill();
        encoder.waitForFinished();
        QFile::remove(unfinished);
        return kInterrupted;
    }
    if (!finished || encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0) {
        encoder.kill();
        encoder.waitForFinished();
        QFile::remove(unfinished);
        app::ShowMessage(QStringLiteral("ffmpeg could not make \"%1\" (exit status %2); the frames are kept")
                             .arg(video)
                             .arg(encoder.exitCode()));
        return kNotWritten;
    }
    if (std::rename(QFile::encodeName(unfinished).constData(), QFile::encodeName(video).constData()) != 0) {
        QFile::remove(unfinished);
        app::ShowMessage(QStringLiteral("\"%1\" could not be written").arg(video));
        return kNotWritten;
    }
    return kFinished;
}

}  // namespace zenphra::cli
