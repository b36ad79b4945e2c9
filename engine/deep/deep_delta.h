// A pixel's difference dz from the reference orbit it follows, with the operations of the pixel loops:
// a step, a step of many iterations through the approximation table, the full z, and rebasing, where
// the pixel moves to the start of the orbit that begins at the critical point once it lies nearer to
// that point than to its reference. Two kinds: DoubleDelta for images whose pixel step fits a double,
// ExtendedDelta for deeper ones, which keeps dz with an exponent of its own while it is that small.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/deep/deep_image.h"
#include "engine/deep/perturbation.h"

namespace zenphra {

// The highest level of a step that may start at iteration m (steps of level j start at 1 + i 2^j).
inline int32_t HighestLevelAt(int64_t m, int32_t top) {
    if (m < 1 || top < kLowestLevel) return -1;
    const int64_t offset = m - 1;
    const int32_t aligned = offset == 0 ? top : int32_t(std::countr_zero(uint64_t(offset)));
    return aligned < top ? aligned : top;
}

// Whether a step of the table may start at iteration m: its shortest steps start at 1 + i 2^kLowestLevel.
inline bool TableStepMayStartAt(int64_t m) {
    return m >= 1 && ((m - 1) & ((int64_t{1} << kLowestLevel) - 1)) == 0;
}

// The longest step of the table that may start at iteration m, is no longer than stepsLeft and takes
// the pixel (`fits`), or null. The steps starting at one iteration are valid for ever smaller |dz| the
// longer they are (a merged step is valid only where its first half is), so the valid ones are the
// lowest levels up to some level: the search climbs until the next one does not fit.
template <class Table, class Fits>
const typename Table::Entry* LongestStep(const Table& table, int64_t m, int64_t stepsLeft, Fits fits,
                                         int32_t* chosenLevel) {
    const int32_t top = HighestLevelAt(m, table.TopLevel());
    if (top < kLowestLevel || (int64_t{1} << kLowestLevel) > stepsLeft) return nullptr;
    const typename Table::Entry* best = table.At(kLowestLevel, m);
    if (best == nullptr || !fits(*best)) return nullptr;
    int32_t level = kLowestLevel;
    while (level < top && (int64_t{1} << (level + 1)) <= stepsLeft) {
        const typename Table::Entry* next = table.At(level + 1, m);
        if (next == nullptr || !fits(*next)) break;
        best = next;
        ++level;
    }
    *chosenLevel = level;
    return best;
}

template <class P>
class DoubleDelta {
  public:
    DoubleDelta(const DeepImage& image, Cd offset)
        : image_(&image), c_(image.c), useTable_(image.useApproximation) {
        const double step = image.pixelStep.ToDouble();
        const Cd pixel{offset.re * step, offset.im * step};
        if (image.juliaMode) {
            dz_ = pixel;
        } else {
            dc_ = pixel;
        }
    }

    void Step(OrbitCursor& at) {
        if constexpr (P::kBranches) {
            if (P::CrossesClose(at, dz_, dc_, c_)) CrossToTheOtherBranch(at);
        }
        dz_ = P::Step(at, dz_, dc_, c_);
        ++at.m;
    }

    // Takes the longest step the table allows from here, no further than `stepsLeft`; returns its
    // length, 0 when none applies.
    int64_t Approximate(OrbitCursor& at, int64_t stepsLeft) {
        if (!useTable_) return 0;
        const auto& table = Table(*at.reference);
        // |dz| is at most |re| + |im|, so a step valid for that is valid for dz.
        const double size = std::fabs(dz_.re) + std::fabs(dz_.im);
        const auto* step = LongestStep(
            table, at.m, stepsLeft, [size](const auto& e) { return size < e.radius; }, &chosenLevel_);
        if (step == nullptr) return 0;
        dz_ = step->a * dz_ + step->b * dc_;
        const int64_t span = int64_t{1} << chosenLevel_;
        at.m += span;
        return span;
    }

    // Whether Approximate may take a step from here: true wherever it would, and cheap enough to ask
    // after every plain step.
    bool MayApproximate(const OrbitCursor& at) const {
        if (!useTable_ || !TableStepMayStartAt(at.m)) return false;
        const auto& table = Table(*at.reference);
        if (table.TopLevel() < kLowestLevel) return false;
        const auto* shortest = table.At(kLowestLevel, at.m);
        return shortest != nullptr && std::fabs(dz_.re) + std::fabs(dz_.im) < shortest->radius;
    }

    Cd FullZ(const OrbitCursor& at) const {
        const Cd y = at.Here();
        return {y.re + P::kOrigin + dz_.re, y.im + dz_.im};
    }

    Cd Dz() const { return dz_; }
    Cd Dc() const { return dc_; }
    void SetDz(Cd dz) { dz_ = dz; }

    // Moves to the start of `critical` when z lies nearer that start than to the reference, or the
    // reference has ended.
    void RebaseIfNearer(OrbitCursor& at, const DeepReference& critical) {
        const Cd y = at.Here();
        const Cd offset{y.re - P::kRebaseStart + dz_.re, y.im + dz_.im};  // z minus the start
        if (at.m == at.length || Norm(offset) < Norm(dz_)) {
            dz_ = offset;
            at.Follow(critical);
        }
    }

  private:
    static const auto& Table(const DeepReference& reference) {
        if constexpr (P::kConformal) {
            return reference.doubleTable;
        } else {
            return reference.matrixTable;
        }
    }

    // Follows the reference of the other branch from here on, where the image can have one more.
    void CrossToTheOtherBranch(OrbitCursor& at) {
        const BranchReferences::Crossing crossing = image_->branches.Across(*at.reference, at.m);
        if (crossing.reference == nullptr) return;
        dz_ = dz_ - crossing.offset;
        at.Follow(*crossing.reference);
    }

    const DeepImage* image_;
    Cd dz_, dc_;
    Cd c_;
    bool useTable_;
    int32_t chosenLevel_ = 0;
};

template <class P>
class ExtendedDelta {
  public:
    ExtendedDelta(const DeepImage& image, Cd offset)
        : image_(&image), c_(image.c), useTable_(image.useApproximation) {
        const FloatExp& step = image.pixelStep;
        const ComplexExp pixel = ComplexExp::Of(offset.re * step.m, offset.im * step.m, step.e);
        if (image.juliaMode) {
            small_ = pixel;
        } else {
            dc_ = pixel;
            dcDouble_ = {dc_.re * PowerOfTwo(dc_.e), dc_.im * PowerOfTwo(dc_.e)};
        }
        scaled_ = true;
        Settle();
    }

    void Step(OrbitCursor& at) {
        if constexpr (P::kBranches) CrossIfNeeded(at);
        const Cd y = at.Here();
        if (!scaled_) {
            dz_ = P::Step(at, dz_, dcDouble_, c_);
        } else if (HasExactStep() && std::fabs(y.re) + std::fabs(y.im) < kTinyReference) {
            // The reference is as small as dz here: every term counts, in full. (The other equations
            // have no tiny reference values that a pixel could follow this closely but at the set's
            // start, where dz is 0.)
            if constexpr (HasExactStep())
                small_ = P::StepExact(at.reference->orbit.Exact(at.m), small_, dc_, c_);
            Settle();
        } else {
            // dz = w 2^e: the pixel's own terms are taken relative to 2^e (to dc's exponent while dz is 0).
            const int64_t e = UnitExponent();
            const Cd next = P::StepScaled(at, {small_.re, small_.im}, e, DcInUnits(e), c_);
            small_ = ComplexExp::Of(next.re, next.im, e);
            Settle();
        }
        ++at.m;
    }

    int64_t Approximate(OrbitCursor& at, int64_t stepsLeft) {
        if (!useTable_) return 0;
        const auto& table = Table(*at.reference);
        // |dz| as a mantissa norm and an exponent: |dz|^2 = norm 2^(2 e).
        const ComplexExp dz = scaled_ ? small_ : ComplexExp::Of(dz_.re, dz_.im);
        const double norm = dz.re * dz.re + dz.im * dz.im;
        const auto* step = LongestStep(
            table, at.m, stepsLeft,
            [norm, e = dz.e](const auto& entry) {
                if (entry.radius.IsZero()) return false;
                const int64_t k = entry.radius.e - e;  // |dz| < 2^(e + 1.5), radius >= 2^(radius.e)
                if (k >= 2) return true;
                if (k <= -2) return false;
                const double radius = entry.radius.m * PowerOfTwo(k);
                return norm < radius * radius;
            },
            &chosenLevel_);
        if (step == nullptr) return 0;
        small_ = step->a * dz + step->b * dc_;
        scaled_ = true;
        Settle();
        const int64_t span = int64_t{1} << chosenLevel_;
        at.m += span;
        return span;
    }

    Cd FullZ(const OrbitCursor& at) const {
        const Cd y = at.Here();
        if (scaled_) return {y.re + P::kOrigin, y.im};  // dz is far below the last bit of any z that counts
        return {y.re + P::kOrigin + dz_.re, y.im + dz_.im};
    }

    void RebaseIfNearer(OrbitCursor& at, const DeepReference& critical) {
        const Cd y = at.Here();
        if (!scaled_) {
            const Cd offset{y.re - P::kRebaseStart + dz_.re, y.im + dz_.im};  // z minus the start
            if (at.m == at.length || Norm(offset) < Norm(dz_)) {
                if (Norm(offset) < kSmallNorm) {
                    // Too small for a double: the exact sum, scaled.
                    small_ = FromStart(at) + ComplexExp::Of(dz_.re, dz_.im);
                    scaled_ = true;
                    Settle();
                } else {
                    dz_ = offset;
                }
                at.Follow(critical);
            } else if (Norm(dz_) < kSmallNorm) {
                small_ = ComplexExp::Of(dz_.re, dz_.im);  // shrunk on its own: scaled again
                scaled_ = true;
            }
            return;
        }
        // A z nearer the start than dz is small needs a reference as near it as dz.
        if (at.m != at.length && std::fabs(y.re - P::kRebaseStart) + std::fabs(y.im) >= kTinyReference)
            return;
        const ComplexExp offset = FromStart(at) + small_;
        if (at.m == at.length || offset.Norm() < small_.Norm()) {
            small_ = offset;
            Settle();
            at.Follow(critical);
        }
    }

  private:
    int64_t UnitExponent() const { return small_.IsZero() ? dc_.e : small_.e; }
    Cd DcInUnits(int64_t e) const {
        const double toUnits = dc_.IsZero() ? 0.0 : PowerOfTwo(dc_.e - e);  // no 0 times infinity
        return {dc_.re * toUnits, dc_.im * toUnits};
    }

    // "Barnsley 2": a pixel on the other side of the branch line than its reference, while close to it,
    // follows a reference of the other branch from here on, where the image can have one more; else
    // it crosses where it is, with a double difference.
    void CrossIfNeeded(OrbitCursor& at) {
        if (scaled_) {
            const int64_t e = UnitExponent();
            if (!P::CrossesScaled(at, {small_.re, small_.im}, e, DcInUnits(e), c_)) return;
        } else if (!P::CrossesClose(at, dz_, dcDouble_, c_)) {
            return;
        }
        const BranchReferences::Crossing crossing = image_->branches.Across(*at.reference, at.m);
        if (crossing.reference == nullptr) {
            if (scaled_) dz_ = {small_.re * PowerOfTwo(small_.e), small_.im * PowerOfTwo(small_.e)};
            scaled_ = false;
            return;
        }
        small_ = (scaled_ ? small_ : ComplexExp::Of(dz_.re, dz_.im)) - crossing.exactOffset;
        scaled_ = true;
        Settle();
        at.Follow(*crossing.reference);
    }

    static constexpr bool HasExactStep() {
        return requires(ComplexExp z, Cd c) { P::StepExact(z, z, z, c); };
    }
    static const auto& Table(const DeepReference& reference) {
        if constexpr (P::kConformal) {
            return reference.extendedTable;
        } else {
            return reference.extendedMatrixTable;
        }
    }
    // The reference's z minus the start pixels rebase to (exact: the start is a double near z).
    static ComplexExp FromStart(const OrbitCursor& at) {
        return at.reference->orbit.Exact(at.m) - ComplexExp::Of(P::kRebaseStart, 0.0);
    }

    // dz is kept with its own exponent below 2^kScaledBelow and as a double above; so its square and
    // every product of it with a reference value stay far from a double's smallest numbers.
    static constexpr int64_t kScaledBelow = -480;
    static constexpr double kSmallNorm = 0x1p-1000;
    // A reference value this small is no larger than a scaled dz could be.
    static constexpr double kTinyReference = 0x1p-460;

    // Chooses the form of dz from its size.
    void Settle() {
        if (!scaled_) return;
        if (!small_.IsZero() && small_.e >= kScaledBelow) {
            const double scale = PowerOfTwo(small_.e);
            dz_ = {small_.re * scale, small_.im * scale};
            scaled_ = false;
        }
    }

    const DeepImage* image_;
    ComplexExp small_;  // dz while scaled_
    Cd dz_;             // dz otherwise
    bool scaled_ = true;
    ComplexExp dc_;
    Cd dcDouble_;  // 0 where dc is below a double's range: negligible beside a dz of a double's size
    Cd c_;
    bool useTable_;
    int32_t chosenLevel_ = 0;
};

}  // namespace zenphra
