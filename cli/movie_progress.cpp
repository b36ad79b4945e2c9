#include "cli/movie_progress.h"

namespace zenphra::cli {

QString MovieProgressText(int32_t rowsDone, int32_t rows, int32_t frames, int32_t rowsPlotted,
                          double elapsedSeconds, int32_t firstFrame) {
    const int32_t framesDone = rowsDone / rows;
    const int32_t rowsLeft = frames * rows - rowsDone;
    const QString left =
        rowsPlotted > 0 ? FormatDuration(elapsedSeconds * rowsLeft / rowsPlotted) : QStringLiteral("--:--");
    const QString current = framesDone < frames ? QStringLiteral("  frame %1: %2/%3 rows")
                                                      .arg(firstFrame + framesDone + 1)
                                                      .arg(rowsDone % rows)
                                                      .arg(rows)
                                                : QString();
    return QStringLiteral("%1/%2 frames%3  %4 elapsed  %5 left")
        .arg(framesDone)
        .arg(frames)
        .arg(current, FormatDuration(elapsedSeconds), left);
}

MovieProgress::MovieProgress(ProgressStyle style, int32_t frames, int32_t rows, int32_t firstFrame,
                             std::FILE* out)
    : rows_(rows),
      firstFrame_(firstFrame),
      display_(
          style, 0, frames * rows,
          [this, frames](int32_t rowsDone, double elapsedSeconds) {
              return MovieProgressText(rowsDone, rows_, frames, rowsPlotted_, elapsedSeconds, firstFrame_);
          },
          out) {}

void MovieProgress::FoundDone(int32_t frame, int32_t rowsDone) {
    display_.RowsDone((frame - firstFrame_) * rows_ + rowsDone);
}

void MovieProgress::RowPlotted(int32_t frame, int32_t rowsDone) {
    ++rowsPlotted_;
    display_.RowsDone((frame - firstFrame_) * rows_ + rowsDone);
}

void MovieProgress::Finish() { display_.Finish(); }

}  // namespace zenphra::cli
