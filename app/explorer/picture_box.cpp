#include "app/explorer/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/explorer/bitmap_copy.h"

namespace zenphra::app {
namespace {

constexpr int kMarkerSize = 9;
constexpr QRgb kInvert = 0x00FFFFFF;

// The pixels a one-pixel outline of the polygon covers, each once, so that inverting them is undone by
// inverting them again.
QImage OutlineMask(QSize size, const std::array<QPoint, 4>& corners) {
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
    return mask;
}

void DrawMarker(QPainter& painter, QPoint handle, const QColor& fill) {
    const QRect marker(handle - QPoint(kMarkerSize / 2, kMarkerSize / 2), QSize(kMarkerSize, kMarkerSize));
    painter.fillRect(marker, fill);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(marker.adjusted(0, 0, -1, -1));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pic"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kPictureBorder);
    setAutoFillBackground(true);
    setMouseTracking(true);  // the zoom box and the Julia pick follow the pointer with no button down
}

void PictureBox::ShowBitmap(int32_t handle) {
    QImage picture = CopyOfBitmap(handle);
    if (!picture.isNull()) ShowPicture(picture);
}

void PictureBox::ShowPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::ClearPicture() {
    picture_ = QImage();
    update();
}

void PictureBox::KeepCleanCopy() {
    if (picture_.isNull()) {
        // Nothing plotted shows yet (a plot stopped in its first row): the box goes over the background.
        picture_ = QImage(contentsRect().size(), QImage::Format_RGB32);
        picture_.fill(BackgroundColor());
    }
    picture_ = picture_.convertToFormat(QImage::Format_RGB32);
    clean_ = picture_.copy();
}

void PictureBox::DrawZoomBox(const ZoomOutline& outline) {
    picture_ = clean_.copy();
    if (picture_.isNull()) return;
    const QImage mask = OutlineMask(picture_.size(), outline.corners);
    for (int y = 0; y < picture_.height(); ++y) {
        const auto* covered = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* pixels = reinterpret_cast<QRgb*>(picture_.scanLine(y));
        for (int x = 0; x < picture_.width(); ++x) {
            if (qRed(covered[x]) != 0) pixels[x] ^= kInvert;
        }
    }
    QPainter painter(&picture_);
    const auto markerOn = [&](ZoomHandle handle) { return outline.dragged == handle ? Qt::red : Qt::white; };
    DrawMarker(painter, outline.sizeHandle, markerOn(ZoomHandle::kSize));
    DrawMarker(painter, outline.turnHandle, markerOn(ZoomHandle::kTurn));
    update();
}

void PictureBox::DropCleanCopy() {
    if (!clean_.isNull()) picture_ = clean_;
    clean_ = QImage();
    update();
}

QPoint PictureBox::ScreenPosition(QPointF pixel) const {
    return mapToGlobal(contentsRect().topLeft() + pixel.toPoint());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

QPoint PictureBox::PixelOf(const QMouseEvent* event) const {
    return event->position().toPoint() - contentsRect().topLeft();
}

void PictureBox::mousePressEvent(QMouseEvent* event) { emit Pressed(PixelOf(event), event->button()); }

void PictureBox::mouseMoveEvent(QMouseEvent* event) { emit Moved(PixelOf(event), event->buttons()); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) { emit Released(PixelOf(event), event->button()); }

void PictureBox::wheelEvent(QWheelEvent* event) {
    // A notch of an ordinary wheel is 120; finer wheels and touch pads add up to one.
    wheelTurn_ += event->angleDelta().y();
    const int notches = wheelTurn_ / kWheelNotch;
    if (notches == 0) return;
    wheelTurn_ -= notches * kWheelNotch;
    emit Wheeled(event->position().toPoint() - contentsRect().topLeft(), notches, event->modifiers());
}

}  // namespace zenphra::app
