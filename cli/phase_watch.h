// While a deep image's first row waits for its reference orbit and approximation table, the renderer
// says how far they have come, as the row progress says how far the rows have.
#pragma once

#include <QString>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "cli/progress.h"
#include "zenphra.h"

namespace zenphra::cli {

// "reference orbit 1200/35494 iterations  3%  0:01 elapsed  0:30 left", "approximation table 40/160
// entries  25%  ...", from the seconds the phase has taken so far; nothing outside those two phases.
QString PhaseText(const ZenphraPlotPath& path, double phaseSeconds);

// Watches the library's plot path from a thread of its own from construction to destruction, which is
// to span the first PlotFractal of an image: a bar redrawn in place, or a line at every tenth of each phase.
class PhaseWatch {
  public:
    explicit PhaseWatch(ProgressStyle style, std::FILE* out = stderr);
    ~PhaseWatch();
    PhaseWatch(const PhaseWatch&) = delete;
    PhaseWatch& operator=(const PhaseWatch&) = delete;

  private:
    void Watch();

    ProgressStyle style_;
    std::FILE* out_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace zenphra::cli
