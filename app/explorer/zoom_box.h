// The zoom box: a rectangle of the picture's own shape that the user moves, sizes and turns over the
// picture to frame the next image. It stands for a centre (the plane point under its middle), a
// magnification (the image's divided by the box's size relative to the picture) and an angle (the
// image's plus the box's). Positions are display pixels of the picture, x to the right, y downwards.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "app/common/fractal_params.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/picture_geometry.h"

namespace zenphra::app {

// sin and cos of (d + a) and (d - a) for every whole angle a from -180 to 180 degrees, d the angle of
// the picture's diagonal: the box's corners at any angle without trigonometry on every pointer move.
class ZoomTables {
  public:
    static constexpr int32_t kMaxAngle = 180;

    void Fill(int32_t picWidth, int32_t picHeight);

    double Diagonal() const { return diagonal_; }
    double SinPlus(int32_t angle) const { return sinPlus_[Index(angle)]; }
    double SinMinus(int32_t angle) const { return sinMinus_[Index(angle)]; }
    double CosPlus(int32_t angle) const { return cosPlus_[Index(angle)]; }
    double CosMinus(int32_t angle) const { return cosMinus_[Index(angle)]; }

  private:
    static constexpr size_t kEntries = 2 * kMaxAngle + 1;
    static size_t Index(int32_t angle) { return static_cast<size_t>(angle + kMaxAngle); }

    double diagonal_ = 0.0;
    std::array<double, kEntries> sinPlus_{};
    std::array<double, kEntries> sinMinus_{};
    std::array<double, kEntries> cosPlus_{};
    std::array<double, kEntries> cosMinus_{};
};

// What the pointer is over, and what a press there drags.
enum class ZoomHandle { kNone, kCentre, kSize, kTurn };

// The box as it is drawn: its corners, which are the top-left, top-right, bottom-right and bottom-left
// ones while it is not turned, and its two handles, the one being dragged marked.
struct ZoomOutline {
    std::array<QPoint, 4> corners;
    QPoint sizeHandle;  // the middle of the bottom edge
    QPoint turnHandle;  // the top-right corner
    ZoomHandle dragged = ZoomHandle::kNone;
};

class ZoomBox {
  public:
    static constexpr double kMinRatio = 0.1;
    static constexpr double kMaxRatio = 3.0;

    // The picture's shape: the box keeps it at every size and angle.
    void FitTo(const DisplayFactor& shown);
    // A new box over the picture of the image: centred on it, half its size, not turned.
    void Start(const FractalParams& params, const DisplayFactor& shown);

    ZoomOutline Outline() const;
    QPointF Centre() const { return centre_; }
    PlanePoint PlaneCentre() const { return planeCentre_; }
    double Ratio() const { return ratio_; }
    int32_t Angle() const { return angle_; }
    // Half the box's diagonal, in display pixels.
    double HalfDiagonal() const { return 2.0 * baseHalfDiagonal_ * ratio_; }
    // What the panel shows while the box changes: the magnification and the angle it stands for.
    QString MagnifyText() const;
    QString AngleText() const;

    // The pointer moved with no drag going: what it is over now. The centre counts only with no button
    // down, so a press elsewhere dragged over the box does not turn into a move.
    ZoomHandle HoverAt(QPoint pointer, bool buttonDown);
    // The left button went down: it drags what the pointer is over.
    void Press(QPoint pointer);
    ZoomHandle Dragged() const { return dragged_; }
    // The pointer moved during a drag. Sizing and turning go by the pointer's moves, not its position;
    // near the picture's edge the pointer is put back on the box's centre so the drag can go on: the
    // position to put it at is returned.
    std::optional<QPoint> DragTo(QPoint pointer);
    // The button went up: where the pointer goes after sizing or turning (onto the handle dragged).
    std::optional<QPoint> Release();

    // Even-odd test over the four edges.
    bool Contains(QPoint pointer) const;

    // The size as the scroll bar sets it, and the steps of the mouse (0.02) and the keys (0.01); the
    // ratio stays within 0.1 to 3.0.
    void SetRatio(double ratio);
    void ResizeBy(double change);
    // The box turns against the pointer: a move to the right turns it clockwise. Past a half turn the
    // angle jumps to the other end, so it stays within -180 to 180.
    void TurnBy(int32_t pointerMove);
    void SetAngle(int32_t angle);
    // Moves the box; the plane centre follows.
    void MoveBy(QPointF move);

    // Apply: the view the box stands for, its angle brought into (-180, 180].
    PlaneView Applied() const;
    // Cancel: the view the box started from.
    const PlaneView& Started() const { return start_; }

  private:
    ZoomTables tables_;
    PictureGeometry geometry_;
    QPointF pictureSize_;
    double baseHalfDiagonal_ = 0.0;  // of a box half the picture's size
    QPointF centre_;
    PlanePoint planeCentre_;
    double ratio_ = 0.5;
    int32_t angle_ = 0;
    ZoomHandle hover_ = ZoomHandle::kNone;
    ZoomHandle dragged_ = ZoomHandle::kNone;
    QPointF dragOffset_;       // from the box's centre to the pointer, while moving
    int32_t lastPointer_ = 0;  // the pointer's last y while sizing, x while turning

    PlaneView start_;  // of the image the box started from
};

// An angle in degrees brought into (-180, 180], whatever turns it holds.
double NormalisedAngle(double degrees);

}  // namespace zenphra::app
