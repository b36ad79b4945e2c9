#include "app/explorer/julia_switch.h"

#include "app/common/exact_move.h"

namespace zenphra::app {

void JuliaPick::Start(const FractalParams& params, const DisplayFactor& shown) {
    geometry_ = PictureGeometry(params, shown);
    image_ = params;
    deep_ = !DoublesResolve(params);
    picked_ = geometry_.Centre();
}

void JuliaPick::PickAt(QPointF position) {
    if (!deep_) {
        picked_ = geometry_.PlanePointAt(position);
        return;
    }
    FractalParams point = image_;
    const QPointF offset = geometry_.PixelOffsetAt(position);
    MoveExactly(point, offset.x(), offset.y(), 1.0);
    picked_ = PlanePoint{point.PrevRealCenter, point.PrevImagCenter};
}

QString SwitchCaption(bool juliaMode) {
    return juliaMode ? QStringLiteral("Switch to Mset") : QStringLiteral("Switch to &Julia Set");
}

SwitchedImage SwitchedToJulia(const PlanePoint& constant) { return SwitchedImage{constant, PlaneView{}}; }

SwitchedImage SwitchedToSet(const FractalParams& params) {
    return SwitchedImage{PlanePoint{}, PlaneView{{params.JuliaReal, params.JuliaImag}}};
}

}  // namespace zenphra::app
