#include "app/explorer/plot_runner.h"

#include <chrono>

#include "app/common/engine_api.h"
#include "app/explorer/bitmap_copy.h"
#include "app/explorer/plot_call.h"

namespace zenphra::app {
namespace {

// A picture refreshed more often than the display can show it costs plotting time for nothing.
constexpr auto kFrameInterval = std::chrono::milliseconds(16);

// Escape, as the library's abort poll reads it: asked before every pixel, by the runner's thread and the
// library's own workers.
std::atomic<bool> escapePressed{false};

int32_t PollEscape() { return escapePressed.load(std::memory_order_relaxed) ? 1 : 0; }

}  // namespace

PlotRunner::PlotRunner(QObject* parent) : QObject(parent) { Engine().SetAbortPoll(&PollEscape); }

PlotRunner::~PlotRunner() {
    Escape();
    Wait();
    Engine().SetAbortPoll(nullptr);
}

void PlotRunner::Start(const Job& job) {
    Wait();
    escapePressed = false;
    pauseRequested_ = false;
    running_ = true;
    thread_ = std::thread(&PlotRunner::Run, this, job);
}

void PlotRunner::Escape() {
    if (running_) escapePressed = true;
}

void PlotRunner::Wait() {
    if (thread_.joinable()) thread_.join();
}

PlotRunner::Frame PlotRunner::TakeFrame() {
    const std::lock_guard lock(frameMutex_);
    Frame taken = std::move(frame_);
    frame_ = Frame{};
    return taken;
}

// Every signal is emitted on the window's thread, in the order the run produced them.
void PlotRunner::Run(Job job) {
    const auto post = [this](auto emitter) {
        QMetaObject::invokeMethod(this, emitter, Qt::QueuedConnection);
    };
    const auto finish = [&](RunEnd end, int32_t stopRow) {
        running_ = false;
        post([this, end, stopRow] { emit Finished(end, stopRow); });
    };

    const int32_t initResult = InitPlotWith(job.params, job.startY, job.imageFactor);
    post([this, initResult] { emit Initialised(initResult); });
    if (initResult < 0) return finish(RunEnd::kInitFailed, job.startY);

    int32_t bitmap = initResult;
    int32_t unshownRow = -1;  // the last plotted row not yet in a frame
    auto lastFrame = std::chrono::steady_clock::now() - kFrameInterval;
    const auto showRows = [&] {
        if (unshownRow < 0) return;
        CopyFrame(bitmap, unshownRow);
        unshownRow = -1;
        lastFrame = std::chrono::steady_clock::now();
        post([this] { emit FrameReady(); });
    };

    const int32_t lastRow = job.params.VertRes - 1;
    for (int32_t row = job.startY; row <= lastRow; ++row) {
        const int32_t result = Engine().PlotFractal(row);
        if (result == ZENPHRA_ABORTED) {
            showRows();
            return finish(RunEnd::kEscaped, row);
        }
        if (result > 0) bitmap = result;
        unshownRow = row;
        if (row == lastRow || std::chrono::steady_clock::now() - lastFrame >= kFrameInterval) showRows();
        if (rowObserver_) rowObserver_(row);
        if (pauseRequested_ && row < lastRow) {
            showRows();
            return finish(RunEnd::kPaused, row);
        }
    }
    finish(RunEnd::kDone, 0);
}

void PlotRunner::CopyFrame(int32_t bitmap, int32_t row) {
    // Copied here, off the window's thread, so the window only paints it.
    QImage picture = CopyOfBitmap(bitmap);
    if (picture.isNull()) return;
    const std::lock_guard lock(frameMutex_);
    frame_ = Frame{std::move(picture), row};
}

}  // namespace zenphra::app
