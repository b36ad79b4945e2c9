#include "engine/row_scheduler.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/row_kernels.h"
#include "platform/abort_poll.h"

namespace zenphra {
namespace {

// Rows computed ahead of the one asked for, and the pixels one task plots.
constexpr int32_t kWindowRows = 64;
constexpr int32_t kChunkPixels = 256;
// While the row asked for is still being computed, Escape is polled this often.
constexpr auto kPollWhileWaiting = std::chrono::milliseconds(20);

int32_t chosenThreads = 0;

}  // namespace

void LimitPlotThreads(int32_t threads) { chosenThreads = std::max(0, threads); }

int32_t PlotThreadCount() {
    if (chosenThreads > 0) return chosenThreads;
    if (const char* limit = std::getenv("ZENPHRA_THREADS")) {
        const int32_t threads = std::atoi(limit);
        if (threads >= 1) return std::min(threads, 1024);
    }
    return static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
}

// The workers plot; the calling thread hands out rows, waits and polls for Escape. The window holds the
// rows from nextRow on, each in the slot row mod kWindowRows, cut into tasks of kChunkPixels numbered
// row * chunksPerRow + chunk. A row is ready once all its tasks are done.
struct RowScheduler::State {
    std::mutex mutex;
    std::condition_variable workAvailable;
    std::condition_variable rowDone;
    std::vector<std::thread> workers;
    bool stopping = false;

    std::vector<uint8_t> pixels;  // kWindowRows slots of `capacity` pixels
    int32_t capacity = 0;
    std::array<int32_t, kWindowRows> tasksLeft{};  // per slot: tasks of its row not done yet

    // The current window; invalid until the first row is asked for.
    bool windowValid = false;
    PlotParams params;
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t chunksPerRow = 1;
    int32_t nextRow = 0;        // the row expected next
    int64_t nextTask = 0;       // the next task to hand out
    int64_t endTask = 0;        // tasks below this belong to the window
    int32_t busy = 0;           // workers plotting right now
    bool invalidating = false;  // the window is being abandoned: wake the caller when no worker plots
    int32_t awaitedRow = -1;    // the row the caller waits for: wake it when that one is ready
    uint64_t generation = 0;
    std::atomic<uint64_t> liveGeneration{0};

    uint8_t* PixelsOf(int32_t row) { return pixels.data() + int64_t{row % kWindowRows} * capacity; }
    int32_t& TasksLeft(int32_t row) { return tasksLeft[row % kWindowRows]; }
    bool WorkWaiting() const { return windowValid && nextTask < endTask; }

    // The window's tasks, handed to one worker's lanes one at a time.
    class WorkerStream final : public PixelStream {
      public:
        WorkerStream(State& state, uint64_t generation) : state_(state), generation_(generation) {}

        bool NextSpan(Span& span) override {
            std::lock_guard lock(state_.mutex);
            if (state_.generation != generation_ || !state_.WorkWaiting()) return false;
            const int64_t task = state_.nextTask++;
            const int32_t chunk = static_cast<int32_t>(task % state_.chunksPerRow);
            span.row = static_cast<int32_t>(task / state_.chunksPerRow);
            span.firstColumn = chunk * kChunkPixels;
            span.count = std::min(kChunkPixels, state_.columns - span.firstColumn);
            span.out = state_.PixelsOf(span.row) + span.firstColumn;
            span.id = task;
            return true;
        }

        void SpanDone(const Span& span) override {
            std::lock_guard lock(state_.mutex);
            if (state_.generation != generation_) return;
            if (--state_.TasksLeft(span.row) == 0 && state_.awaitedRow == span.row)
                state_.rowDone.notify_all();
        }

      private:
        State& state_;
        const uint64_t generation_;
    };

    void WorkerLoop() {
        std::unique_lock lock(mutex);
        while (true) {
            workAvailable.wait(lock, [this] { return stopping || WorkWaiting(); });
            if (stopping) return;
            const uint64_t runGeneration = generation;
            const PlotParams runParams = params;
            WorkerStream stream(*this, runGeneration);
            ++busy;
            lock.unlock();
            PlotPixelsInLanes(runParams, stream, Cancellation{&liveGeneration, runGeneration});
            lock.lock();
            if (--busy == 0 && invalidating) rowDone.notify_all();
        }
    }

    // Abandons the window: running tasks stop at their next check, and none is handed out any more.
    void Invalidate(std::unique_lock<std::mutex>& lock) {
        ++generation;
        liveGeneration.store(generation, std::memory_order_relaxed);
        windowValid = false;
        invalidating = true;
        rowDone.wait(lock, [this] { return busy == 0; });
        invalidating = false;
    }

    void Restart(std::unique_lock<std::mutex>& lock, const PlotParams& newParams, int32_t row,
                 int32_t newColumns, int32_t newRows) {
        Invalidate(lock);
        params = newParams;
        columns = newColumns;
        rows = newRows;
        chunksPerRow = (newColumns + kChunkPixels - 1) / kChunkPixels;
        nextRow = row;
        nextTask = int64_t{row} * chunksPerRow;
        endTask = nextTask;
        windowValid = true;
        Advance();
    }

    // Opens the window up to kWindowRows rows from nextRow.
    void Advance() {
        const int32_t lastRow = std::min(nextRow + kWindowRows, rows);
        for (int32_t row = static_cast<int32_t>(endTask / chunksPerRow); row < lastRow; ++row) {
            TasksLeft(row) = chunksPerRow;
        }
        endTask = std::max(endTask, int64_t{lastRow} * chunksPerRow);
        workAvailable.notify_all();
    }

    // Waits until the row is ready. Returns false when Escape came meanwhile. The calling thread never
    // plots itself, so however slow a pixel is, Escape is noticed within kPollWhileWaiting.
    bool AwaitRow(std::unique_lock<std::mutex>& lock, int32_t row) {
        while (TasksLeft(row) != 0) {
            awaitedRow = row;
            const bool ready = rowDone.wait_for(lock, kPollWhileWaiting, [&] { return TasksLeft(row) == 0; });
            awaitedRow = -1;
            if (!ready) {
                lock.unlock();
                const bool escape = platform::AbortRequested();
                lock.lock();
                if (escape) return false;
            }
        }
        return true;
    }
};

RowScheduler::RowScheduler() : state_(new State) {}

RowScheduler::~RowScheduler() {
    Stop();
    delete state_;
}

void RowScheduler::Prepare(int32_t columns) {
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    s.Invalidate(lock);
    if (columns > s.capacity) {
        s.pixels.assign(size_t(kWindowRows) * columns, 0);
        s.capacity = columns;
    }
    if (s.workers.empty()) {
        s.stopping = false;
        for (int32_t i = 0; i < PlotThreadCount(); ++i) s.workers.emplace_back([&s] { s.WorkerLoop(); });
    }
}

void RowScheduler::Forget() {
    std::unique_lock lock(state_->mutex);
    state_->Invalidate(lock);
}

int32_t RowScheduler::DeliverRow(const PlotParams& params, int32_t row, int32_t columns, int32_t rows,
                                 uint8_t* target) {
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    if (columns > s.capacity) return -1;
    if (columns <= 0) return 0;
    if (!s.windowValid || row != s.nextRow || columns != s.columns || rows != s.rows) {
        s.Restart(lock, params, row, columns, rows);
    }
    if (!s.AwaitRow(lock, row)) return 0;
    const uint8_t* pixels = s.PixelsOf(row);
    lock.unlock();
    // The poll may run the program's event handlers: no lock is held while it runs.
    for (int32_t column = 0; column < columns; ++column) {
        if (platform::AbortRequested()) {
            std::copy_n(pixels, column, target);
            return column;
        }
    }
    std::copy_n(pixels, columns, target);
    lock.lock();
    s.nextRow = row + 1;
    s.Advance();
    return columns;
}

void RowScheduler::Stop() {
    State& s = *state_;
    {
        std::unique_lock lock(s.mutex);
        s.Invalidate(lock);
        s.stopping = true;
        s.workAvailable.notify_all();
    }
    for (std::thread& worker : s.workers) worker.join();
    s.workers.clear();
}

RowScheduler& Scheduler() {
    static RowScheduler scheduler;
    return scheduler;
}

}  // namespace zenphra
