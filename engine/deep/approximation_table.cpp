#include "engine/deep/approximation_table.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "engine/deep/perturbation.h"

namespace zenphra {
namespace {

constexpr int64_t kPollEvery = 4096;

// A step of one or more iterations while it is being built: A and B complex or real 2x2 matrices.
template <class Coefficient>
struct Working {
    Coefficient a, b;
    FloatExp radius;
};

FloatExp Positive(FloatExp x) { return x.m > 0 ? x : FloatExp{}; }
FloatExp Smaller(FloatExp a, FloatExp b) { return b < a ? b : a; }
// The most a coefficient lengthens a difference.
FloatExp Stretch(const ComplexExp& z) { return Sqrt(z.Norm()); }
FloatExp Stretch(const MatrixExp& m) { return LargestStretch(m); }

// The single step from iteration k to k + 1.
template <class Perturbation>
auto SingleStep(const TableInputs& in, int64_t k, bool linearEnough) {
    const ComplexExp y = in.orbit->Exact(k);
    const Cd aux =
        in.orbit->aux.empty() ? Cd{} : Cd{in.orbit->aux[size_t(k)].re, in.orbit->aux[size_t(k)].im};
    using Coefficient = decltype(Perturbation::LinearA(y, aux, in.c));
    Working<Coefficient> step{Perturbation::LinearA(y, aux, in.c), Perturbation::LinearB(y, aux, in.c), {}};
    if (in.dcLargest.IsZero()) step.b = {};
    if (!linearEnough) return step;
    // The neglected terms stay small against the kept ones while |dz| is within the equation's radius ...
    const FloatExp radius = Perturbation::LinearRadius(y, aux, in.c, in.dcLargest, in.tolerance);
    // ... and the pixel cannot escape while the reference does not, or change which side of the
    // bail-out it is on.
    const OrbitPoint& point = in.orbit->points[size_t(k)];
    const double zRe = point.re + Perturbation::kOrigin, zIm = point.im;
    const double toBailout = std::sqrt(in.limitValue) - std::sqrt(zRe * zRe + zIm * zIm);
    if (!(toBailout > 0)) return step;
    step.radius = Smaller(radius, FloatExp::Of(toBailout));
    return step;
}

// x first, then y.
template <class Coefficient>
Working<Coefficient> Merge(const Working<Coefficient>& x, const Working<Coefficient>& y, FloatExp dcLargest) {
    Working<Coefficient> merged{y.a * x.a, y.a * x.b + y.b, {}};
    const FloatExp reachOfB = Stretch(x.b) * dcLargest;
    if (x.a.IsZero()) {
        merged.radius = reachOfB < y.radius ? x.radius : FloatExp{};
    } else {
        merged.radius = Positive(Smaller(x.radius, (y.radius - reachOfB) / Stretch(x.a)));
    }
    if (merged.radius.IsZero()) merged = {};  // a dead step stays dead in every merge
    return merged;
}

void Store(const Working<ComplexExp>& w, ExtendedApproximation* out) { *out = {w.a, w.b, w.radius}; }

// Values beyond a double's range belong only to steps no pixel of an image of doubles can take.
template <class Coefficient>
bool FitsDoubles(const Working<Coefficient>& w) {
    const double radius = w.radius.ToDouble();
    return radius > 0 && std::isfinite(radius) && w.a.e <= 1000 && w.b.e <= 1000;
}

void Store(const Working<ComplexExp>& w, DoubleApproximation* out) {
    if (!FitsDoubles(w)) {
        *out = {};
        return;
    }
    const double radius = w.radius.ToDouble();
    const double aScale = PowerOfTwo(w.a.e), bScale = PowerOfTwo(w.b.e);
    *out = {{w.a.re * aScale, w.a.im * aScale}, {w.b.re * bScale, w.b.im * bScale}, radius};
}

void Store(const Working<MatrixExp>& w, ExtendedMatrixApproximation* out) { *out = {w.a, w.b, w.radius}; }

void Store(const Working<MatrixExp>& w, MatrixApproximation* out) {
    *out = FitsDoubles(w) ? MatrixApproximation{w.a.ToDouble(), w.b.ToDouble(), w.radius.ToDouble()}
                          : MatrixApproximation{};
}

template <class Entry>
bool Build(const TableInputs& in, const LongWork& work, ApproximationTable<Entry>* table) {
    using Step = Working<typename Entry::Coefficient>;
    *table = {};
    const int64_t length = in.orbit->Length();  // steps 1 .. length - 1 can be approximated
    const int64_t lowestSpan = int64_t{1} << kLowestLevel;
    // The sizes of the levels: steps that end by the orbit's end.
    int64_t total = 0;
    for (int64_t size = length > lowestSpan ? (length - 1) / lowestSpan : 0; size > 0; size /= 2) {
        table->levelStart.push_back(total);
        table->levelSize.push_back(size);
        total += size;
    }
    table->entries.resize(size_t(total));

    // "Lambda" with a c far from its reference: the products of dc and dz are not small enough.
    const bool linearEnough = !(in.equation == DeepEquation::kLambda &&
                                FloatExp::Of(in.tolerance * std::hypot(in.c.re, in.c.im)) < in.dcLargest);
    int64_t merged = 0;
    const auto progress = [&]() {
        if (++merged % kPollEvery != 0) return true;
        if (work.done != nullptr) work.done->store(merged, std::memory_order_relaxed);
        return !work.Stopped();
    };
    const auto single = [&](int64_t k) {
        return WithPerturbation(in.equation, in.chebyshevOrder, [&](auto perturbation) {
            using P = decltype(perturbation);
            if constexpr (std::is_same_v<decltype(SingleStep<P>(in, k, linearEnough)), Step>) {
                return SingleStep<P>(in, k, linearEnough);
            } else {
                return Step{};  // the table of the other kind is made for it
            }
        });
    };

    // The lowest level from single steps merged in turn, each level above from pairs of the one below.
    std::vector<Step> current(table->levelSize.empty() ? 0 : size_t(table->levelSize[0]));
    for (size_t i = 0; i < current.size(); ++i) {
        const int64_t start = 1 + int64_t(i) * lowestSpan;
        Step step = single(start);
        for (int64_t k = start + 1; k < start + lowestSpan; ++k) step = Merge(step, single(k), in.dcLargest);
        current[i] = step;
        if (!progress()) return false;
    }
    for (size_t level = 0; level < table->levelStart.size(); ++level) {
        Entry* stored = &table->entries[size_t(table->levelStart[level])];
        for (size_t i = 0; i < current.size(); ++i) Store(current[i], &stored[i]);
        std::vector<Step> next(current.size() / 2);
        for (size_t i = 0; i < next.size(); ++i) {
            next[i] = Merge(current[2 * i], current[2 * i + 1], in.dcLargest);
            if (!progress()) return false;
        }
        current = std::move(next);
    }
    return true;
}

}  // namespace

template <class Entry>
bool BuildApproximationTable(const TableInputs& inputs, const LongWork& work,
                             ApproximationTable<Entry>* table) {
    return Build(inputs, work, table);
}

template bool BuildApproximationTable(const TableInputs&, const LongWork&,
                                      ApproximationTable<DoubleApproximation>*);
template bool BuildApproximationTable(const TableInputs&, const LongWork&,
                                      ApproximationTable<ExtendedApproximation>*);
template bool BuildApproximationTable(const TableInputs&, const LongWork&,
                                      ApproximationTable<MatrixApproximation>*);
template bool BuildApproximationTable(const TableInputs&, const LongWork&,
                                      ApproximationTable<ExtendedMatrixApproximation>*);

}  // namespace zenphra
