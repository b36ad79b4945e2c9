// The two ways pixels are plotted: the fast one, in vector lanes with the widest instruction set this
// processor has, and the plain one, a pixel at a time on doubles, asking the Escape poll before each
// pixel. Both give the same bytes.
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/library_state.h"

namespace zenphra {

// Where the lanes get their pixels from, a span of a row at a time, and where they report a span done.
class PixelStream {
  public:
    struct Span {
        int32_t row = 0;
        int32_t firstColumn = 0;
        int32_t count = 0;
        uint8_t* out = nullptr;  // where the span's indices go, one byte per pixel
        int64_t id = 0;          // the stream's own mark
    };
    // The next span to plot; false when there is none (for now).
    virtual bool NextSpan(Span& span) = 0;
    // Called once every index of the span has been written.
    virtual void SpanDone(const Span& span) = 0;

  protected:
    ~PixelStream() = default;
};

// Lets a long plot be abandoned: it stops once `live` no longer holds `generation`.
struct Cancellation {
    const std::atomic<uint64_t>* live = nullptr;
    uint64_t generation = 0;
    bool Requested() const { return live != nullptr && live->load(std::memory_order_relaxed) != generation; }
};

// Plots the stream's pixels until it has no more and every pixel taken is done. Returns false, with
// pixels taken but not reported, when it was cancelled.
bool PlotPixelsInLanes(const PlotParams& params, PixelStream& stream, Cancellation cancellation);

// Plots pixels 0 .. count - 1 of the row into out, polling for Escape before each pixel. Returns count,
// or the column at which Escape came; that pixel and those after it are left as they were.
int32_t PlotRowByPixel(const PlotParams& params, int32_t row, int32_t count, uint8_t* out);

}  // namespace zenphra
