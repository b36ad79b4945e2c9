// Progress of a zoom movie, shown as a plot's progress is (a bar on a terminal, a line at every tenth of
// the movie otherwise), counting the rows of all its frames.
#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>

#include "cli/progress.h"

namespace zenphra::cli {

// "2/120 frames  frame 3: 120/360 rows  0:07 elapsed  0:41 left", from the rows of all frames done
// (`frames` of `rows` each). The time left is estimated from the rows this run has plotted, so that the
// frames a rerun found done do not count. The frames shown are those of a run that begins with the
// movie's frame `firstFrame` (from 0), which names the current frame.
QString MovieProgressText(int32_t rowsDone, int32_t rows, int32_t frames, int32_t rowsPlotted,
                          double elapsedSeconds, int32_t firstFrame = 0);

class MovieProgress {
  public:
    // The progress of `frames` frames from the movie's frame `firstFrame` on.
    MovieProgress(ProgressStyle style, int32_t frames, int32_t rows, int32_t firstFrame = 0,
                  std::FILE* out = stderr);
    MovieProgress(const MovieProgress&) = delete;
    MovieProgress& operator=(const MovieProgress&) = delete;

    // The movie's frame `frame` (from 0) had its first `rowsDone` rows before this run: a finished frame all
    // of them.
    void FoundDone(int32_t frame, int32_t rowsDone);
    // This run plotted a row of the frame, which now has `rowsDone` rows.
    void RowPlotted(int32_t frame, int32_t rowsDone);
    void Finish();

  private:
    int32_t rows_;
    int32_t firstFrame_;
    int32_t rowsPlotted_ = 0;
    PlotProgress display_;
};

}  // namespace zenphra::cli
