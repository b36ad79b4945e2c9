#include "app/explorer/picture_box.h"

#include <QPainter>
#include <algorithm>

#include "app/common/engine_api.h"

namespace zenphra::app {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pic"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kPictureBorder);
    setAutoFillBackground(true);
}

void PictureBox::ShowBitmap(int32_t handle, QSize shown) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* bits = nullptr;
    if (handle <= 0 || Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return;
    if (picture_.size() != shown) {
        picture_ = QImage(shown, QImage::Format_RGB32);
        picture_.fill(BackgroundColor());
    }
    // The library keeps writing into its bits; drawing them into the picture is the copy.
    const QImage bitmap(bits, width, height, stride, QImage::Format_BGR888);
    QPainter painter(&picture_);
    painter.drawImage(QPoint(0, 0), bitmap,
                      QRect(0, 0, std::min(width, shown.width()), std::min(height, shown.height())));
    painter.end();
    repaint();
}

void PictureBox::ClearPicture() {
    picture_ = QImage();
    repaint();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

}  // namespace zenphra::app
