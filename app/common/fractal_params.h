// The explorer's current parameter set. The same names are the keys of the settings store, the lines of
// the fractal text inside image files and the fields of parameter entries. The defaults are those of a
// first run.
#pragma once

#include <QString>
#include <cstdint>

#include "zenphra.h"

namespace zenphra::app {

// Julia mode adds this to the equation code in EqnType.
inline constexpr int32_t kJuliaOffset = ZENPHRA_JULIA_OFFSET;

struct FractalParams {
    int16_t EqnType = ZENPHRA_EQN_CLASSIC_MANDLEBROT;  // set mode
    int32_t HorRes = 160;
    int32_t VertRes = 120;
    int32_t MaxIters = 100;
    int32_t ItersToSkip = 0;
    int32_t NumRanges = 8;
    int32_t Rendering = ZENPHRA_REND_LEVEL_SET;
    int32_t Banding = 0;
    double LimitValue = 4.0;
    double JuliaReal = 0.0;
    double JuliaImag = 0.0;
    double Parm1 = 0.0;
    double Parm2 = 0.0;
    double Parm3 = 0.0;
    int32_t Func1 = 0;
    int32_t Func2 = 0;
    double PrevRealCenter = -0.5;
    double PrevImagCenter = 0.0;
    double TotalMagnify = 1.0;
    double TotalAngleDeg = 0.0;
    // A deep location: the centre and magnification in full, as decimal text, where they hold more than
    // the doubles above (which are then their nearest values); empty otherwise. A part counts only while
    // its double is still its nearest value (see exact_location.h).
    QString ExactRealCenter;
    QString ExactImagCenter;
    QString ExactMagnify;
    QString CustomHres;  // the last custom resolution, as typed
    QString CustomVres;

    bool JuliaMode() const { return EqnType >= kJuliaOffset; }
    int32_t BaseEquation() const { return JuliaMode() ? EqnType - kJuliaOffset : EqnType; }

    bool operator==(const FractalParams&) const = default;
};

}  // namespace zenphra::app
