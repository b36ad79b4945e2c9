// The switch between a set and its Julia sets. From the set the user picks the Julia constant with the
// pointer over the picture; from a Julia set the switch goes straight back to the set, centred on the
// constant. Either way the new image starts unmagnified and unturned.
#pragma once

#include <QPointF>
#include <QString>

#include "app/common/fractal_params.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/picture_geometry.h"

namespace zenphra::app {

// A Julia constant being picked over the picture of the set.
class JuliaPick {
  public:
    // The pick starts with the pointer on the image's centre, which is the constant until it moves.
    // The parameters change only when the switch is taken.
    void Start(const FractalParams& params, const DisplayFactor& shown);
    QPointF ImageCentre() const { return geometry_.ImageCentre(); }
    // The pointer is over this display position.
    void PickAt(QPointF position);
    const PlanePoint& Picked() const { return picked_; }
    // Whether the image is deeper than doubles resolve: the point is then worked out in full and the
    // constant is its nearest double, which the window says.
    bool RoundedToDouble() const { return deep_; }

  private:
    PictureGeometry geometry_;
    FractalParams image_;  // the parameters of the image picked on
    bool deep_ = false;
    PlanePoint picked_;
};

// The switch button's caption: to the other mode.
QString SwitchCaption(bool juliaMode);

// The image a switch makes: the Julia constant it keeps (none for a set) and where it looks.
struct SwitchedImage {
    PlanePoint julia;
    PlaneView view;
};
// From the set to the Julia set of `constant`, centred on the plane's origin.
SwitchedImage SwitchedToJulia(const PlanePoint& constant);
// From a Julia set back to its set, centred on the Julia constant.
SwitchedImage SwitchedToSet(const FractalParams& params);

}  // namespace zenphra::app
