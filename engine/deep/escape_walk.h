// "Level Set" on the deep path: one pixel's way to the bail-out, an action at a time. Each action is a
// step through the approximation table where one applies, else a plain step, followed by the escape
// test and rebasing. The walk is the pixel's state of record: the scalar loop takes every action through
// it, and the vector lanes take runs of plain steps for it and hand each run back.
#pragma once

#include <cstdint>

#include "engine/deep/deep_delta.h"
#include "engine/deep/deep_image.h"
#include "engine/pixel_context.h"
#include "engine/row_kernels.h"

namespace zenphra {

// A long pixel asks whether its plot was abandoned this often.
inline constexpr int64_t kCancelCheckEvery = int64_t{1} << 16;

// The pixel's offset from the image's centre, in pixel steps.
inline Cd PixelOffset(const DeepImage& image, int32_t row, int32_t column) {
    return {image.corner.re + row * image.rowStep.re + column * image.colStep.re,
            image.corner.im + row * image.rowStep.im + column * image.colStep.im};
}

template <class Delta>
class EscapeWalk {
  public:
    EscapeWalk(const DeepImage& image, Cd offset, int64_t maxIters, double limit)
        : delta_(image, offset),
          critical_(image.juliaMode ? &image.critical : &image.main),
          maxIters_(maxIters),
          limit_(limit) {
        at_.Follow(image.main);
    }

    // Takes the next action; false once the walk has ended.
    bool Act(Cancellation cancel) {
        if (n_ >= maxIters_) return false;
        // Table steps start only at the iterations its shortest steps start at.
        const int64_t taken = TableStepMayStartAt(at_.m) ? delta_.Approximate(at_, maxIters_ - n_) : 0;
        if (taken > 0) {
            n_ += taken;
        } else {
            delta_.Step(at_);
            ++n_;
        }
        return EndAction(cancel);
    }

    // The escape test, rebasing and the occasional look at `cancel` that end every action; false once
    // the walk has ended.
    bool EndAction(Cancellation cancel) {
        if (Norm(delta_.FullZ(at_)) > limit_) {
            steps_ = n_;
            return false;
        }
        delta_.RebaseIfNearer(at_, *critical_);
        if (n_ >= nextCheck_) {
            if (cancel.Requested()) return false;
            nextCheck_ = n_ + kCancelCheckEvery;
        }
        return true;
    }

    // The number of steps after which |z|^2 passed the bail-out, or 0 when it did not within maxIters
    // steps (or the plot was abandoned).
    int64_t Steps() const { return steps_; }

    // For the lanes: whether the next action is a plain step, and the pixel's state for plain steps.
    bool NextIsPlain() const { return n_ < maxIters_ && !delta_.MayApproximate(at_); }
    Cd Dz() const { return delta_.Dz(); }
    Cd Dc() const { return delta_.Dc(); }
    int64_t Iteration() const { return n_; }
    int64_t ReferenceIteration() const { return at_.m; }
    int64_t NextCheck() const { return nextCheck_; }
    // `count` plain steps were taken for the walk, the last without its end (EndAction follows).
    void TookPlainSteps(int64_t count, Cd dz) {
        delta_.SetDz(dz);
        n_ += count;
        at_.m += count;
    }

  private:
    Delta delta_;
    OrbitCursor at_;
    const DeepReference* critical_;
    int64_t maxIters_;
    double limit_;
    int64_t n_ = 0;
    int64_t nextCheck_ = kCancelCheckEvery;
    int64_t steps_ = 0;
};

// The index of a pixel that escaped after `steps` steps (0: never).
inline uint8_t EscapeIndex(const PlotContext& context, int64_t steps) {
    if (steps == 0) return kMaxIterIndex;
    return LevelIndex(context.equation, int32_t(steps - 1), context.render.numRanges);
}

// Steps() of a pixel's walk.
template <class Delta>
int64_t EscapeSteps(const DeepImage& image, Cd offset, int64_t maxIters, double limit, Cancellation cancel) {
    EscapeWalk<Delta> walk(image, offset, maxIters, limit);
    while (walk.Act(cancel)) {
    }
    return walk.Steps();
}

}  // namespace zenphra
