#include "engine/deep/deep_state.h"

#include <bit>
#include <new>

#include "engine/deep/big_float.h"
#include "engine/equation_codes.h"
#include "platform/abort_poll.h"

namespace zenphra {
namespace {

bool SameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

bool StopOnEscape(void*) { return platform::AbortRequested(); }

}  // namespace

DeepKey DeepKey::Of(const char* centreRe, const char* centreIm, const char* magnify,
                    const PlotParams& params) {
    DeepKey key;
    key.centreRe = centreRe;
    key.centreIm = centreIm;
    key.magnify = magnify;
    key.equation = params.equation;
    key.juliaMode = params.juliaMode;
    key.juliaReal = params.juliaReal;
    key.juliaImag = params.juliaImag;
    key.limitValue = params.limitValue;
    key.angleDegrees = params.angleDegrees;
    key.maxIters = params.maxIters;
    key.chebyshevOrder = params.equation == kChebyshev ? ChebyshevOrder(params.parm3) : 0;
    key.width = params.width;
    key.height = params.height;
    key.approximation = ApproximationAllowed();
    return key;
}

bool DeepKey::operator==(const DeepKey& other) const {
    return centreRe == other.centreRe && centreIm == other.centreIm && magnify == other.magnify &&
           equation == other.equation && juliaMode == other.juliaMode &&
           SameBits(juliaReal, other.juliaReal) && SameBits(juliaImag, other.juliaImag) &&
           SameBits(limitValue, other.limitValue) && SameBits(angleDegrees, other.angleDegrees) &&
           maxIters == other.maxIters && width == other.width && height == other.height &&
           chebyshevOrder == other.chebyshevOrder && approximation == other.approximation;
}

DeepState& LibraryDeepState() {
    static DeepState state;
    return state;
}

DeepStatus& CurrentDeepStatus() {
    static DeepStatus status;
    return status;
}

int32_t PrepareDeepImage(PlotParams* params) {
    DeepState& state = LibraryDeepState();
    if (!state.active || params->deep) return 0;
    if (!(state.image && state.madeFor == state.key)) {
        state.image.reset();  // its memory may be needed for the new one
        std::shared_ptr<const DeepImage> image;
        const FreeMpfrCachesAtEnd freeCaches;
        try {
            image = MakeDeepImage(state.location, *params, StopOnEscape, nullptr);
        } catch (const std::bad_alloc&) {
            CurrentDeepProgress().phase = int32_t(DeepPhase::kNone);
            return ZENPHRA_OUT_OF_MEMORY;
        }
        if (!image) return ZENPHRA_ABORTED;
        state.image = image;
        state.madeFor = state.key;
    }
    params->deep = state.image;
    DeepStatus& status = CurrentDeepStatus();
    status.referenceIterations = state.image->main.orbit.Length();
    status.bytes = int64_t(state.image->Bytes());
    CurrentDeepProgress().phase = int32_t(DeepPhase::kRows);
    return 0;
}

void EndDeepPlot() {
    DeepState& state = LibraryDeepState();
    state.active = false;
    DeepStatus& status = CurrentDeepStatus();
    status.deep = 0;
    status.precisionBits = 0;
    status.extendedRange = 0;
    status.referenceIterations = 0;
    status.bytes = 0;
    CurrentDeepProgress().phase = int32_t(DeepPhase::kNone);
}

void ReleaseDeepState() {
    EndDeepPlot();
    LibraryDeepState().image.reset();
}

}  // namespace zenphra
