// Progress of a plot on standard error: a bar redrawn in place when standard error is a terminal, a plain
// line at every tenth of the image otherwise, nothing when quiet.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace zenphra::cli {

// "0:07", "12:30", "1:02:05": whole seconds.
QString FormatDuration(double seconds);

// "120/480 rows  25%  0:03 elapsed  0:09 left". The time left is estimated from the rows this run has
// plotted since `firstRow`, so a resumed plot does not count the rows done before.
QString ProgressText(int32_t rowsDone, int32_t rows, int32_t firstRow, double elapsedSeconds);

enum class ProgressStyle { kQuiet, kBar, kLines };

class PlotProgress {
  public:
    // What the bar or line says, from the rows done and the seconds since the plot started.
    using Describe = std::function<QString(int32_t rowsDone, double elapsedSeconds)>;

    // Says ProgressText.
    PlotProgress(ProgressStyle style, int32_t firstRow, int32_t rows, std::FILE* out = stderr);
    // Says what `describe` says: a movie counts the rows of all its frames.
    PlotProgress(ProgressStyle style, int32_t firstRow, int32_t rows, Describe describe,
                 std::FILE* out = stderr);

    // The rows from the top of the image that are done.
    void RowsDone(int32_t rowsDone);
    // Ends the bar's line, so that what follows starts a line of its own.
    void Finish();

  private:
    void Show(int32_t rowsDone);

    ProgressStyle style_;
    int32_t rows_;
    Describe describe_;
    std::FILE* out_;
    QElapsedTimer clock_;
    qint64 lastDrawn_ = -1;  // milliseconds, when the bar was last drawn
    int32_t tenthsShown_;    // tenths of the image already reported by a line
};

// A bar where standard error is a terminal, lines elsewhere.
ProgressStyle ProgressStyleFor(bool quiet);

}  // namespace zenphra::cli
