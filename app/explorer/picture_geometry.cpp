#include "app/explorer/picture_geometry.h"

#include <cmath>

#include "app/common/exact_move.h"

namespace zenphra::app {
namespace {

// The library turns degrees into radians with this factor; the same rotation needs the same one.
constexpr double kRadiansPerDegree = 0.017453292519943295;
// Magnification 1 shows this width of the plane.
constexpr double kPlaneWidth = 3.6;

}  // namespace

PictureGeometry::PictureGeometry(const FractalParams& params, const DisplayFactor& shown)
    : centre_{params.PrevRealCenter, params.PrevImagCenter},
      halfWidth_(params.HorRes / 2.0),
      halfHeight_(params.VertRes / 2.0),
      imageFactor_(shown.ImageFactor),
      planeStep_(kPlaneWidth / params.TotalMagnify / params.HorRes) {
    const double angle = params.TotalAngleDeg * kRadiansPerDegree;
    cosAngle_ = std::cos(angle);
    sinAngle_ = std::sin(angle);
    // Measured in image pixels, not as half the shown size: a shown width trimmed to fit the bitmap's
    // rows would otherwise put the centre off the image's.
    imageCentre_ = QPointF(halfWidth_ / imageFactor_, halfHeight_ / imageFactor_);
}

QPointF PictureGeometry::PixelOffsetAt(QPointF position) const {
    // Image pixels right of and above the image's centre: the plane's axes before the rotation.
    const double dx = position.x() * imageFactor_ - halfWidth_;
    const double dy = halfHeight_ - position.y() * imageFactor_;
    return QPointF(dx * cosAngle_ - dy * sinAngle_, dx * sinAngle_ + dy * cosAngle_);
}

PlanePoint PictureGeometry::PlanePointAt(QPointF position) const {
    const QPointF offset = PixelOffsetAt(position);
    return PlanePoint{centre_.real + offset.x() * planeStep_, centre_.imag + offset.y() * planeStep_};
}

PlaneView ViewOf(const FractalParams& params) {
    return PlaneView{
        {params.PrevRealCenter, params.PrevImagCenter}, params.TotalMagnify, params.TotalAngleDeg};
}

void LookAt(const PlaneView& view, FractalParams& params) {
    params.PrevRealCenter = view.centre.real;
    params.PrevImagCenter = view.centre.imag;
    params.TotalMagnify = view.magnify;
    params.TotalAngleDeg = view.angle;
}

PlaneView ZoomedAbout(const FractalParams& params, const DisplayFactor& shown, QPointF position,
                      double factor) {
    const PictureGeometry picture(params, shown);
    const PlanePoint fixed = picture.PlanePointAt(position);
    // The position lies `factor` times fewer plane units from the centre than before.
    return PlaneView{{fixed.real - (fixed.real - params.PrevRealCenter) / factor,
                      fixed.imag - (fixed.imag - params.PrevImagCenter) / factor},
                     params.TotalMagnify * factor,
                     params.TotalAngleDeg};
}

void ZoomAbout(FractalParams& params, const DisplayFactor& shown, QPointF position, double factor) {
    if (DoublesResolve(params)) {
        LookAt(ZoomedAbout(params, shown, position, factor), params);
        return;
    }
    // The fixed point lies `factor` times fewer pixels from the new centre than from the old one.
    const QPointF offset = PictureGeometry(params, shown).PixelOffsetAt(position) * (1.0 - 1.0 / factor);
    MoveExactly(params, offset.x(), offset.y(), factor);
}

void ZoomBoxTo(FractalParams& params, const DisplayFactor& shown, const PlaneView& boxView, QPointF position,
               double factor) {
    if (DoublesResolve(params)) {
        LookAt(boxView, params);
        return;
    }
    const QPointF offset = PictureGeometry(params, shown).PixelOffsetAt(position);
    MoveExactly(params, offset.x(), offset.y(), factor);
    params.TotalAngleDeg = boxView.angle;
}

}  // namespace zenphra::app
