// Everything the pixels of one deep image share, made once per image before its first row: the
// reference orbits, their approximation tables and the pixels' offsets from the reference point.
// Read-only once made, so the workers plot from it side by side.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/deep/approximation_table.h"
#include "engine/deep/branch_references.h"
#include "engine/deep/deep_complex.h"
#include "engine/deep/deep_location.h"
#include "engine/deep/float_exp.h"
#include "engine/deep/reference_orbit.h"
#include "engine/library_state.h"

namespace zenphra {

// Which number types a deep image's pixels are plotted with: plain doubles while the pixel step is a
// double of full precision (then every dz, which is at least about a step, is one too, and squares that
// underflow are negligible beside the terms they are added to), doubles with an exponent of their own
// beyond.
enum class DeepNumbers { kDouble, kExtended };
inline constexpr int64_t kDoubleNumbersSmallestStep = -1010;  // 2^-1010, about 1e-304

// The phases of making a deep image, as GetPlotPath reports them.
enum class DeepPhase : int32_t { kNone = 0, kReference = 1, kTable = 2, kRows = 3 };

// What one reference orbit brings: the orbit and its table (in the image's number types, of matrices
// for the equations that are not conformal).
struct DeepReference {
    ReferenceOrbit orbit;
    ApproximationTable<DoubleApproximation> doubleTable;
    ApproximationTable<ExtendedApproximation> extendedTable;
    ApproximationTable<MatrixApproximation> matrixTable;
    ApproximationTable<ExtendedMatrixApproximation> extendedMatrixTable;
};

struct DeepImage {
    // What the image was made for, to tell whether a resumed plot may keep it.
    struct Key {
        DeepLocation location;
        PlotParams params;
    };

    DeepEquation equation = DeepEquation::kClassic;
    int32_t chebyshevOrder = 3;
    bool juliaMode = false;
    DeepNumbers numbers = DeepNumbers::kDouble;
    Cd c;  // the reference's constant as a double: the centre (set form) or the Julia constant
    FloatExp pixelStep;
    // A pixel's offset from the reference point in pixel steps: corner + row * rowStep + column * colStep.
    Cd corner, rowStep, colStep;
    double centreRe = 0, centreIm = 0;  // the nearest doubles, for the full z of the first step
    bool useApproximation = true;

    DeepReference main;      // from the reference point: the centre (and the set's start in set form)
    DeepReference critical;  // Julia form: from the set's start, where pixels rebase
    // "Barnsley 2": the references of the other branch, made as the pixels need them.
    mutable BranchReferences branches;

    size_t Bytes() const;
};

// Whether the tables may be used; off only to compare against the plain perturbation.
bool ApproximationAllowed();
void AllowApproximation(bool allowed);

// Progress of the image being made, readable from any thread.
struct DeepProgress {
    std::atomic<int32_t> phase{0};
    std::atomic<int64_t> done{0};
    std::atomic<int64_t> total{0};
};
DeepProgress& CurrentDeepProgress();

DeepNumbers NumbersFor(const DeepLocation& location);

// The equation's perturbed form, if it has one for these parameters.
std::optional<DeepEquation> DeepEquationFor(const PlotParams& params);

// Makes the image's references and tables, asking `stop` every few hundred iterations. Empty when
// stopped.
std::shared_ptr<const DeepImage> MakeDeepImage(const DeepLocation& location, const PlotParams& params,
                                               bool (*stop)(void*), void* stopContext);

}  // namespace zenphra
