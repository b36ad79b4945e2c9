// Plots on a thread of its own, so the window stays live without ever handling an event inside a library
// call: the runner makes the InitPlotDeep call and then one PlotFractal call a row, and copies the
// library's display bitmap into a frame between two calls, at most about 60 times a second and always
// after the last row it plotted. Pause stops it after the row it is on; Escape stops it inside the row,
// through the library's abort poll. While a run goes on, nothing else may call the library.
#pragma once

#include <QImage>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "app/common/fractal_params.h"
#include "app/explorer/explorer_session.h"

namespace zenphra::app {

class PlotRunner : public QObject {
    Q_OBJECT

  public:
    struct Job {
        FractalParams params;
        int32_t startY = 0;  // 0 starts a new image
        int32_t imageFactor = 1;
    };

    // The newest picture and the last row in it; `row` is -1 when no new frame came since the last.
    struct Frame {
        QImage picture;
        int32_t row = -1;
    };

    // Installs the library's abort poll (the library must be bound).
    explicit PlotRunner(QObject* parent = nullptr);
    // Stops a run still going, inside its row, and waits for it.
    ~PlotRunner() override;
    PlotRunner(const PlotRunner&) = delete;
    PlotRunner& operator=(const PlotRunner&) = delete;

    // Starts a run; the previous one must have ended (Finished was emitted).
    void Start(const Job& job);
    // Stops the run after the row it is plotting.
    void Pause() { pauseRequested_ = true; }
    // Stops the run inside the row it is plotting.
    void Escape();
    // Waits until the run has ended; at once when none is going.
    void Wait();
    bool Running() const { return running_; }

    Frame TakeFrame();

    // Called on the runner's thread after every row, before Pause is looked at: for tests and benchmarks
    // that must act at an exact row. It may block the run.
    void SetRowObserver(std::function<void(int32_t row)> observer) { rowObserver_ = std::move(observer); }

  signals:
    // InitPlotDeep's result: a bitmap handle, 0, or a negative code. Emitted before the first row.
    void Initialised(int32_t result);
    // A new frame can be taken.
    void FrameReady();
    // The run ended; `stopRow` is the row a resumed run starts at (unused when it was done).
    void Finished(zenphra::app::RunEnd end, int32_t stopRow);

  private:
    void Run(Job job);
    void CopyFrame(int32_t bitmap, int32_t row);

    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> pauseRequested_{false};
    std::function<void(int32_t)> rowObserver_;
    std::mutex frameMutex_;
    Frame frame_;
};

}  // namespace zenphra::app
