#include "app/explorer/julia_switch.h"

namespace zenphra::app {
namespace {

// Both directions start the new image afresh: the whole set or Julia set, unturned.
void StartUnzoomed(FractalParams& params) {
    params.ItersToSkip = 0;
    params.TotalMagnify = 1.0;
    params.TotalAngleDeg = 0.0;
}

}  // namespace

void JuliaPick::Start(const FractalParams& params, const DisplayFactor& shown) {
    geometry_ = PictureGeometry(params, shown);
    picked_ = geometry_.Centre();
}

QString SwitchCaption(bool juliaMode) {
    return juliaMode ? QStringLiteral("Switch to Mset") : QStringLiteral("Switch to &Julia Set");
}

void SwitchToJulia(FractalParams& params, const PlanePoint& constant) {
    params.EqnType = static_cast<int16_t>(params.BaseEquation() + kJuliaOffset);
    params.JuliaReal = constant.real;
    params.JuliaImag = constant.imag;
    params.PrevRealCenter = 0.0;
    params.PrevImagCenter = 0.0;
    StartUnzoomed(params);
}

void SwitchToSet(FractalParams& params) {
    params.EqnType = static_cast<int16_t>(params.BaseEquation());
    params.PrevRealCenter = params.JuliaReal;
    params.PrevImagCenter = params.JuliaImag;
    params.JuliaReal = 0.0;
    params.JuliaImag = 0.0;
    StartUnzoomed(params);
}

}  // namespace zenphra::app
