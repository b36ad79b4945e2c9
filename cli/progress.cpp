#include "cli/progress.h"

#include <unistd.h>

#include <utility>

#include "cli/console.h"

namespace zenphra::cli {
namespace {

constexpr int32_t kBarWidth = 30;
constexpr qint64 kBarRedrawMs = 100;  // often enough to look alive, rarely enough to cost nothing

int32_t Tenths(int32_t rowsDone, int32_t rows) {
    return rows > 0 ? static_cast<int32_t>(int64_t{rowsDone} * 10 / rows) : 10;
}

}  // namespace

QString FormatDuration(double seconds) {
    const int64_t whole = seconds > 0 ? static_cast<int64_t>(seconds) : 0;
    const int64_t hours = whole / 3600;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (hours == 0) return minutesAndSeconds;
    return QStringLiteral("%1:%2").arg(hours).arg(minutesAndSeconds.rightJustified(5, QLatin1Char('0')));
}

QString ProgressText(int32_t rowsDone, int32_t rows, int32_t firstRow, double elapsedSeconds) {
    const int32_t percent = rows > 0 ? static_cast<int32_t>(int64_t{rowsDone} * 100 / rows) : 100;
    const int32_t plotted = rowsDone - firstRow;
    const QString left =
        plotted > 0 ? FormatDuration(elapsedSeconds * (rows - rowsDone) / plotted) : QStringLiteral("--:--");
    return QStringLiteral("%1/%2 rows  %3%  %4 elapsed  %5 left")
        .arg(rowsDone)
        .arg(rows)
        .arg(percent)
        .arg(FormatDuration(elapsedSeconds), left);
}

PlotProgress::PlotProgress(ProgressStyle style, int32_t firstRow, int32_t rows, std::FILE* out)
    : PlotProgress(
          style, firstRow, rows,
          [firstRow, rows](int32_t rowsDone, double elapsedSeconds) {
              return ProgressText(rowsDone, rows, firstRow, elapsedSeconds);
          },
          out) {}

PlotProgress::PlotProgress(ProgressStyle style, int32_t firstRow, int32_t rows, Describe describe,
                           std::FILE* out)
    : style_(style),
      rows_(rows),
      describe_(std::move(describe)),
      out_(out),
      tenthsShown_(Tenths(firstRow, rows)) {
    clock_.start();
}

void PlotProgress::RowsDone(int32_t rowsDone) {
    switch (style_) {
        case ProgressStyle::kQuiet:
            return;
        case ProgressStyle::kBar:
            if (lastDrawn_ >= 0 && clock_.elapsed() - lastDrawn_ < kBarRedrawMs && rowsDone < rows_) return;
            lastDrawn_ = clock_.elapsed();
            break;
        case ProgressStyle::kLines:
            if (Tenths(rowsDone, rows_) <= tenthsShown_) return;
            tenthsShown_ = Tenths(rowsDone, rows_);
            break;
    }
    Show(rowsDone);
}

void PlotProgress::Finish() {
    if (style_ == ProgressStyle::kBar && lastDrawn_ >= 0) std::fputc('\n', out_);
    std::fflush(out_);
}

void PlotProgress::Show(int32_t rowsDone) {
    const QString text = describe_(rowsDone, clock_.elapsed() / 1000.0);
    if (style_ == ProgressStyle::kLines) {
        std::fprintf(out_, "%s: %s\n", kProgramName, qPrintable(text));
    } else {
        const int32_t filled =
            rows_ > 0 ? static_cast<int32_t>(int64_t{rowsDone} * kBarWidth / rows_) : kBarWidth;
        const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
        // Blanks at the end wipe what a longer line drawn before left behind.
        std::fprintf(out_, "\r[%s] %s   ", qPrintable(bar), qPrintable(text));
    }
    std::fflush(out_);
}

ProgressStyle ProgressStyleFor(bool quiet) {
    if (quiet) return ProgressStyle::kQuiet;
    return isatty(STDERR_FILENO) ? ProgressStyle::kBar : ProgressStyle::kLines;
}

}  // namespace zenphra::cli
