#include "app/explorer/zoom_box.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

constexpr double kRadiansPerDegree = 0.0174532925199433;
constexpr double kStartRatio = 0.5;
// Within this many pixels of a handle, each way, the pointer is over it.
constexpr int32_t kHandleReach = 4;
// Inside this share of the half-diagonal the pointer is over the box's centre.
constexpr double kCentreReach = 0.6;
// A sizing or turning pointer this close to the picture's edge is put back on the box's centre.
constexpr int32_t kEdgeMargin = 5;
constexpr double kMouseRatioStep = 0.02;

QPoint Rounded(double x, double y) { return QPoint(qRound(x), qRound(y)); }

bool Near(QPoint pointer, QPoint handle) {
    return std::abs(pointer.x() - handle.x()) < kHandleReach &&
           std::abs(pointer.y() - handle.y()) < kHandleReach;
}

}  // namespace

void ZoomTables::Fill(int32_t picWidth, int32_t picHeight) {
    diagonal_ = std::atan(static_cast<double>(picHeight) / picWidth);
    for (int32_t angle = -kMaxAngle; angle <= kMaxAngle; ++angle) {
        const double radians = angle * kRadiansPerDegree;
        const size_t index = Index(angle);
        sinPlus_[index] = std::sin(diagonal_ + radians);
        sinMinus_[index] = std::sin(diagonal_ - radians);
        cosPlus_[index] = std::cos(diagonal_ + radians);
        cosMinus_[index] = std::cos(diagonal_ - radians);
    }
}

void ZoomBox::FitTo(const DisplayFactor& shown) { tables_.Fill(shown.PicWidth, shown.PicHeight); }

void ZoomBox::Start(const FractalParams& params, const DisplayFactor& shown) {
    geometry_ = PictureGeometry(params, shown);
    pictureSize_ = QPointF(shown.PicWidth, shown.PicHeight);
    centre_ = geometry_.ImageCentre();
    planeCentre_ = geometry_.Centre();
    baseHalfDiagonal_ = kStartRatio * (shown.PicWidth / 2.0) / std::cos(tables_.Diagonal());
    ratio_ = kStartRatio;
    angle_ = 0;
    hover_ = dragged_ = ZoomHandle::kNone;
    start_ = ViewOf(params);
}

ZoomOutline ZoomBox::Outline() const {
    const double halfDiagonal = HalfDiagonal();
    const double d1 = qRound(halfDiagonal * tables_.CosMinus(angle_));
    const double d2 = qRound(halfDiagonal * tables_.SinMinus(angle_));
    const double d3 = qRound(halfDiagonal * tables_.CosPlus(angle_));
    const double d4 = qRound(halfDiagonal * tables_.SinPlus(angle_));
    const double cx = centre_.x();
    const double cy = centre_.y();
    ZoomOutline outline;
    outline.corners = {Rounded(cx - d1, cy - d2), Rounded(cx + d3, cy - d4), Rounded(cx + d1, cy + d2),
                       Rounded(cx - d3, cy + d4)};
    const QPoint& bottomRight = outline.corners[2];
    const QPoint& bottomLeft = outline.corners[3];
    outline.sizeHandle =
        Rounded((bottomRight.x() + bottomLeft.x()) / 2.0, (bottomRight.y() + bottomLeft.y()) / 2.0);
    outline.turnHandle = outline.corners[1];
    outline.dragged = dragged_;
    return outline;
}

QString ZoomBox::MagnifyText() const { return FormatNum(start_.magnify / ratio_, 20); }

QString ZoomBox::AngleText() const { return FormatNum(start_.angle + angle_, 20); }

ZoomHandle ZoomBox::HoverAt(QPoint pointer, bool buttonDown) {
    const ZoomOutline outline = Outline();
    const double dx = pointer.x() - centre_.x();
    const double dy = pointer.y() - centre_.y();
    const double reach = kCentreReach * HalfDiagonal();
    if (Near(pointer, outline.sizeHandle)) {
        hover_ = ZoomHandle::kSize;
    } else if (Near(pointer, outline.turnHandle)) {
        hover_ = ZoomHandle::kTurn;
    } else if (dx * dx + dy * dy < reach * reach && !buttonDown) {
        hover_ = ZoomHandle::kCentre;
    } else {
        hover_ = ZoomHandle::kNone;
    }
    return hover_;
}

void ZoomBox::Press(QPoint pointer) {
    dragged_ = hover_;
    switch (dragged_) {
        case ZoomHandle::kCentre:
            dragOffset_ = QPointF(pointer) - centre_;
            break;
        case ZoomHandle::kSize:
            lastPointer_ = pointer.y();
            break;
        case ZoomHandle::kTurn:
            lastPointer_ = pointer.x();
            break;
        case ZoomHandle::kNone:
            break;
    }
}

std::optional<QPoint> ZoomBox::DragTo(QPoint pointer) {
    std::optional<QPoint> putBack;
    const auto edgeRule = [&](int32_t position, double centre, double extent) {
        if (position < kEdgeMargin || position > extent - kEdgeMargin) {
            lastPointer_ = qRound(centre);
            putBack = centre_.toPoint();
        }
    };
    switch (dragged_) {
        case ZoomHandle::kCentre:
            MoveBy(QPointF(pointer) - dragOffset_ - centre_);
            break;
        case ZoomHandle::kSize:
            edgeRule(pointer.y(), centre_.y(), pictureSize_.y());
            // Down grows the box; up, and a move across, shrink it.
            ResizeBy(pointer.y() > lastPointer_ ? kMouseRatioStep : -kMouseRatioStep);
            lastPointer_ = pointer.y();
            break;
        case ZoomHandle::kTurn:
            edgeRule(pointer.x(), centre_.x(), pictureSize_.x());
            TurnBy(pointer.x() - lastPointer_);
            lastPointer_ = pointer.x();
            break;
        case ZoomHandle::kNone:
            break;
    }
    return putBack;
}

std::optional<QPoint> ZoomBox::Release() {
    std::optional<QPoint> onHandle;
    if (dragged_ == ZoomHandle::kSize) onHandle = Outline().sizeHandle;
    if (dragged_ == ZoomHandle::kTurn) onHandle = Outline().turnHandle;
    dragged_ = hover_ = ZoomHandle::kNone;
    return onHandle;
}

bool ZoomBox::Contains(QPoint pointer) const {
    const std::array<QPoint, 4> corners = Outline().corners;
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const QPoint& a = corners[i];
        const QPoint& b = corners[j];
        if ((a.y() > pointer.y()) == (b.y() > pointer.y())) continue;
        const double crossingX =
            a.x() + static_cast<double>(b.x() - a.x()) * (pointer.y() - a.y()) / (b.y() - a.y());
        if (pointer.x() < crossingX) inside = !inside;
    }
    return inside;
}

void ZoomBox::SetRatio(double ratio) { ratio_ = std::clamp(ratio, kMinRatio, kMaxRatio); }

void ZoomBox::ResizeBy(double change) { SetRatio(ratio_ + change); }

void ZoomBox::TurnBy(int32_t pointerMove) {
    angle_ -= pointerMove;
    if (pointerMove > 0 && angle_ <= -ZoomTables::kMaxAngle) angle_ = ZoomTables::kMaxAngle;
    if (pointerMove < 0 && angle_ >= ZoomTables::kMaxAngle) angle_ = -ZoomTables::kMaxAngle;
}

void ZoomBox::SetAngle(int32_t angle) {
    angle_ = std::clamp(angle, -ZoomTables::kMaxAngle, ZoomTables::kMaxAngle);
}

void ZoomBox::MoveBy(QPointF move) {
    centre_ += move;
    planeCentre_ = geometry_.PlanePointAt(centre_);
}

PlaneView ZoomBox::Applied() const {
    return PlaneView{planeCentre_, start_.magnify / ratio_, NormalisedAngle(start_.angle + angle_)};
}

double NormalisedAngle(double degrees) {
    // A typed angle may hold several turns; fmod takes them off exactly.
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0.0) degrees += 360.0;
    if (degrees > 180.0) degrees -= 360.0;
    return degrees;
}

}  // namespace zenphra::app
