// The pixels a set of lanes plots, taken from a PixelStream a span at a time. A lane takes one pixel and
// gives it back done; a span is reported done to the stream once every one of its pixels is.
#pragma once

#include <array>
#include <cstdint>

#include "engine/row_kernels.h"

namespace zenphra {

class PixelFeed {
  public:
    struct Pixel {
        int32_t row = 0;
        int32_t column = 0;
        uint8_t* out = nullptr;
        int32_t slot = 0;  // the span it belongs to
    };

    // Enough spans for every lane of the widest vectors holding a pixel of its own span, and one more.
    static constexpr int32_t kSpans = 64;

    explicit PixelFeed(PixelStream& stream) : stream_(stream) {
        for (int32_t slot = 0; slot < kSpans; ++slot) freeSlots_[slot] = kSpans - 1 - slot;
    }

    // The next pixel; false when the stream has none for now.
    bool Next(Pixel& pixel) {
        if (current_ < 0 || slots_[current_].handedOut == slots_[current_].span.count) {
            if (freeCount_ == 0) return false;
            const int32_t slot = freeSlots_[freeCount_ - 1];
            Slot& next = slots_[slot];
            do {
                if (!stream_.NextSpan(next.span)) return false;
            } while (next.span.count <= 0);
            --freeCount_;
            next.handedOut = 0;
            next.remaining = next.span.count;
            current_ = slot;
        }
        Slot& slot = slots_[current_];
        pixel = {slot.span.row, slot.span.firstColumn + slot.handedOut, slot.span.out + slot.handedOut,
                 current_};
        ++slot.handedOut;
        return true;
    }

    // The pixel's index has been written.
    void Done(const Pixel& pixel) {
        Slot& slot = slots_[pixel.slot];
        if (--slot.remaining > 0) return;
        stream_.SpanDone(slot.span);
        if (current_ == pixel.slot) current_ = -1;
        freeSlots_[freeCount_++] = pixel.slot;
    }

  private:
    struct Slot {
        PixelStream::Span span;
        int32_t handedOut = 0;
        int32_t remaining = 0;
    };

    PixelStream& stream_;
    std::array<Slot, kSpans> slots_;
    std::array<int32_t, kSpans> freeSlots_;
    int32_t freeCount_ = kSpans;
    int32_t current_ = -1;
};

}  // namespace zenphra
