#include "app/explorer/picture_box.h"

#include <QPainter>

#include "app/common/engine_api.h"

namespace zenphra::app {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pic"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kPictureBorder);
    setAutoFillBackground(true);
}

void PictureBox::ShowBitmap(int32_t handle) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* bits = nullptr;
    if (handle <= 0 || Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return;
    ShowPicture(
        QImage(bits, width, height, stride, QImage::Format_BGR888).convertToFormat(QImage::Format_RGB32));
}

void PictureBox::ShowPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::ClearPicture() {
    picture_ = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

}  // namespace zenphra::app
