#include "engine/deep/deep_image.h"

#include <algorithm>
#include <cmath>

#include "engine/deep/perturbation.h"
#include "engine/equation_codes.h"

namespace zenphra {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
// "Pokorny" is drawn deep only below this bail-out: the guarded 1e20 + 1e20i escapes there at once.
constexpr double kPokornyLargestLimit = 1e40;

bool& Approximation() {
    static bool allowed = true;
    return allowed;
}

struct StopRequest {
    bool (*stop)(void*);
    void* context;
};

bool IsConformal(DeepEquation equation) {
    return WithPerturbation(equation, 3,
                            [](auto perturbation) { return decltype(perturbation)::kConformal; });
}

// Builds one reference and, for the image's numbers, its table.
bool MakeReference(const ReferenceStart& start, const DeepLocation& location, const DeepImage& image,
                   FloatExp dcLargest, double limitValue, const LongWork& work, DeepReference* reference) {
    DeepProgress& progress = CurrentDeepProgress();
    progress.phase = int32_t(DeepPhase::kReference);
    progress.total = start.maxIters;
    progress.done = 0;
    if (!ComputeReferenceOrbit(start, location.precision, work, &reference->orbit)) return false;
    if (!image.useApproximation) return true;
    progress.phase = int32_t(DeepPhase::kTable);
    progress.total = std::max<int64_t>(1, reference->orbit.Length() / 2);
    progress.done = 0;
    TableInputs inputs;
    inputs.orbit = &reference->orbit;
    inputs.equation = image.equation;
    inputs.chebyshevOrder = image.chebyshevOrder;
    inputs.c = image.c;
    inputs.dcLargest = dcLargest;
    inputs.limitValue = limitValue;
    if (image.equation == DeepEquation::kChebyshev) inputs.tolerance = kStretchingTolerance;
    const bool doubles = image.numbers == DeepNumbers::kDouble;
    if (!IsConformal(image.equation)) {
        return doubles ? BuildApproximationTable(inputs, work, &reference->matrixTable)
                       : BuildApproximationTable(inputs, work, &reference->extendedMatrixTable);
    }
    return doubles ? BuildApproximationTable(inputs, work, &reference->doubleTable)
                   : BuildApproximationTable(inputs, work, &reference->extendedTable);
}

}  // namespace

DeepNumbers NumbersFor(const DeepLocation& location) {
    return location.pixelStep.e >= kDoubleNumbersSmallestStep ? DeepNumbers::kDouble : DeepNumbers::kExtended;
}

std::optional<DeepEquation> DeepEquationFor(const PlotParams& params) {
    std::optional<DeepEquation> equation;
    switch (params.equation) {
        case kClassicMandelbrot:
            equation = DeepEquation::kClassic;
            break;
        case kLambda:
            equation = DeepEquation::kLambda;
            break;
        case kPokorny:
            // The guard's 1e20 + 1e20i must escape at once: beyond, the orbit would go on from a value
            // no reference is near.
            if (params.limitValue < kPokornyLargestLimit) equation = DeepEquation::kPokorny;
            break;
        case kSpiralSymmetry2:
            equation = DeepEquation::kSpiralSymmetry2;
            break;
        case kBarnsley2:
            equation = DeepEquation::kBarnsley2;
            break;
        case kChebyshev:
            equation = DeepEquation::kChebyshev;
            break;
        default:
            break;
    }
    return equation;
}

bool ApproximationAllowed() { return Approximation(); }
void AllowApproximation(bool allowed) { Approximation() = allowed; }

DeepProgress& CurrentDeepProgress() {
    static DeepProgress progress;
    return progress;
}

size_t DeepImage::Bytes() const {
    size_t bytes = sizeof(*this);
    for (const DeepReference* reference : {&main, &critical}) {
        bytes += reference->orbit.Bytes() + reference->doubleTable.Bytes() +
                 reference->extendedTable.Bytes() + reference->matrixTable.Bytes() +
                 reference->extendedMatrixTable.Bytes();
    }
    return bytes + branches.Bytes();
}

std::shared_ptr<const DeepImage> MakeDeepImage(const DeepLocation& location, const PlotParams& params,
                                               bool (*stop)(void*), void* stopContext) {
    auto image = std::make_shared<DeepImage>();
    image->numbers = NumbersFor(location);
    image->equation = DeepEquationFor(params).value_or(DeepEquation::kClassic);
    image->chebyshevOrder = ChebyshevOrder(params.parm3);
    image->juliaMode = params.juliaMode;
    image->c = params.juliaMode ? Cd{params.juliaReal, params.juliaImag}
                                : Cd{location.centreReNearest, location.centreImNearest};
    image->pixelStep = location.pixelStep;
    image->centreRe = location.centreReNearest;
    image->centreIm = location.centreImNearest;
    image->useApproximation = ApproximationAllowed();

    // The pixels' offsets from the centre in pixel steps, laid out as the double engine lays out the
    // plane: the corner half a diagonal away, rows down and columns across, turned by the angle.
    const double diagonalAngle = std::atan(double(params.height) / double(params.width));
    const double rotation = params.angleDegrees * kRadiansPerDegree;
    const double halfDiagonal = double(params.width) * 0.5 / std::cos(diagonalAngle);
    image->corner = {-std::cos(diagonalAngle - rotation) * halfDiagonal,
                     std::sin(diagonalAngle - rotation) * halfDiagonal};
    image->colStep = {std::cos(rotation), std::sin(rotation)};
    image->rowStep = {std::sin(rotation), -std::cos(rotation)};
    const FloatExp dcLargest =
        params.juliaMode ? FloatExp{} : FloatExp::Of(halfDiagonal * 1.0001) * location.pixelStep;

    const LongWork work{&CurrentDeepProgress().done, stop, stopContext};
    const mpfr_prec_t bits = location.precision;
    const double origin = Origin(image->equation);
    // In set form z starts at the set's start for every pixel; so does the Julia form's second orbit.
    BigFloat zero(bits), setStart(bits, SetStart(image->equation) - origin), startRe(bits), startIm(bits),
        juliaRe(bits, params.juliaReal), juliaIm(bits, params.juliaImag);
    ReferenceStart start;
    start.equation = image->equation;
    start.chebyshevOrder = image->chebyshevOrder;
    start.limitValue = params.limitValue;
    start.maxIters = params.maxIters;
    if (params.juliaMode) {
        mpfr_sub_d(startRe.get(), location.centreRe.get(), origin, MPFR_RNDN);
        mpfr_set(startIm.get(), location.centreIm.get(), MPFR_RNDN);
        start.startRe = &startRe;
        start.startIm = &startIm;
        start.cRe = &juliaRe;
        start.cIm = &juliaIm;
    } else {
        start.startRe = &setStart;
        start.startIm = &zero;
        start.cRe = &location.centreRe;
        start.cIm = &location.centreIm;
    }
    if (image->equation == DeepEquation::kBarnsley2) {
        image->branches.Prepare(image->equation, *start.cRe, *start.cIm, bits, params.limitValue,
                                params.maxIters);
        image->branches.Add(image->main, *start.startRe, *start.startIm);
    }
    if (!MakeReference(start, location, *image, dcLargest, params.limitValue, work, &image->main)) return {};
    if (params.juliaMode) {
        start.startRe = &setStart;
        start.startIm = &zero;
        if (image->equation == DeepEquation::kBarnsley2) image->branches.Add(image->critical, setStart, zero);
        if (!MakeReference(start, location, *image, dcLargest, params.limitValue, work, &image->critical))
            return {};
    }
    CurrentDeepProgress().phase = int32_t(DeepPhase::kRows);
    return image;
}

}  // namespace zenphra
