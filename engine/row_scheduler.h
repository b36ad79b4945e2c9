// Rows computed ahead by worker threads. The program asks for rows one call at a time; while it shows one
// row, the workers are already plotting the next ones into a window of rows beside the image, and a row
// reaches the image only when it is asked for, pixel by pixel, with the Escape poll before each pixel.
#pragma once

#include <cstdint>

#include "engine/library_state.h"

namespace zenphra {

class RowScheduler {
  public:
    RowScheduler();
    ~RowScheduler();
    RowScheduler(const RowScheduler&) = delete;
    RowScheduler& operator=(const RowScheduler&) = delete;

    // Forgets every row computed ahead and prepares for rows of `columns` pixels (this may allocate; rows
    // are delivered without allocating). Starts the workers on first use.
    void Prepare(int32_t columns);

    // Forgets every row computed ahead, for example because the image or its parameters changed.
    void Forget();

    // Copies pixels 0 .. columns - 1 of the row into `target`, computing what is not ready yet alongside
    // the workers; `rows` is the number of rows the image has. Polls for Escape before each pixel (and
    // every few tens of milliseconds while it waits); returns columns, or the column at which Escape came
    // (that pixel and those after it are left as they were). Returns -1, changing nothing, when the row
    // is wider than prepared for.
    int32_t DeliverRow(const PlotParams& params, int32_t row, int32_t columns, int32_t rows, uint8_t* target);

    // Stops and joins the workers; the next Prepare starts them again.
    void Stop();

  private:
    struct State;
    State* state_;
};

RowScheduler& Scheduler();

// The number of worker threads that plot: one per hardware thread, or ZENPHRA_THREADS when set, or what
// LimitPlotThreads chose (0 goes back to those). Workers started before a change keep running until Stop.
int32_t PlotThreadCount();
void LimitPlotThreads(int32_t threads);

}  // namespace zenphra
