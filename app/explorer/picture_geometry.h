// Where the picture's display positions lie in the complex plane: the inverse of the plotting library's
// pixel mapping. A display position (x, y) shows the image pixel (x f, y f), f the display factor, and
// the library plotted that pixel at the point worked out here. The zoom box and the Julia pick both read
// the plane through it.
#pragma once

#include <QPointF>
#include <cstdint>

#include "app/common/fractal_params.h"
#include "app/explorer/display_factor.h"

namespace zenphra::app {

struct PlanePoint {
    double real = 0.0;
    double imag = 0.0;

    bool operator==(const PlanePoint&) const = default;
};

// Where an image looks in the plane: the point at its centre, its magnification and its rotation in
// degrees. The zoom box, the wheel and the Julia switch each make a new one.
struct PlaneView {
    PlanePoint centre;
    double magnify = 1.0;
    double angle = 0.0;

    bool operator==(const PlaneView&) const = default;
};

PlaneView ViewOf(const FractalParams& params);
void LookAt(const PlaneView& view, FractalParams& params);

class PictureGeometry {
  public:
    PictureGeometry() = default;
    // The picture of an image plotted with these parameters and shown at this size.
    PictureGeometry(const FractalParams& params, const DisplayFactor& shown);

    // The display position of the image's centre, where a new zoom box and the pick start.
    QPointF ImageCentre() const { return imageCentre_; }
    // The plane point the library plotted at a display position; the image centre's is the image's
    // own centre, exactly.
    PlanePoint PlanePointAt(QPointF position) const;
    // How far a display position lies from the image's centre, in image pixels along the plane's axes
    // (the image's rotation applied): what a deep location is moved by.
    QPointF PixelOffsetAt(QPointF position) const;
    const PlanePoint& Centre() const { return centre_; }

  private:
    PlanePoint centre_;
    QPointF imageCentre_;
    double halfWidth_ = 0.0;  // half the image's width, in image pixels
    double halfHeight_ = 0.0;
    int32_t imageFactor_ = 1;
    double planeStep_ = 0.0;  // plane units per image pixel
    double cosAngle_ = 1.0;   // of the image's rotation
    double sinAngle_ = 0.0;
};

// Where a wheel step looks: magnified by `factor` (below 1 it shows more of the plane) about the
// display position, which goes on showing the same plane point; the angle stays.
PlaneView ZoomedAbout(const FractalParams& params, const DisplayFactor& shown, QPointF position,
                      double factor);

// The same, and the zoom box's view (its centre at `position`, the magnification times `factor`, the
// angle `angle`), made on the parameters: in the doubles where they resolve the image's pixels, else on
// the location in full, so that the point under the pointer stays under it at any depth.
void ZoomAbout(FractalParams& params, const DisplayFactor& shown, QPointF position, double factor);
void ZoomBoxTo(FractalParams& params, const DisplayFactor& shown, const PlaneView& boxView, QPointF position,
               double factor);

}  // namespace zenphra::app
