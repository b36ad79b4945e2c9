#include "app/explorer/julia_switch.h"

namespace zenphra::app {

void JuliaPick::Start(const FractalParams& params, const DisplayFactor& shown) {
    geometry_ = PictureGeometry(params, shown);
    picked_ = geometry_.Centre();
}

QString SwitchCaption(bool juliaMode) {
    return juliaMode ? QStringLiteral("Switch to Mset") : QStringLiteral("Switch to &Julia Set");
}

SwitchedImage SwitchedToJulia(const PlanePoint& constant) { return SwitchedImage{constant, PlaneView{}}; }

SwitchedImage SwitchedToSet(const FractalParams& params) {
    return SwitchedImage{PlanePoint{}, PlaneView{{params.JuliaReal, params.JuliaImag}}};
}

}  // namespace zenphra::app
