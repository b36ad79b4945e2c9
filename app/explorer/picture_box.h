// The picture area: a 2-pixel sunken border around a picture that keeps what was drawn into it, so the
// window repaints it without asking the plotting library again. The zoom box is drawn into the picture
// over a clean copy of it, and the mouse is reported in the picture's own pixels.
#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>

#include "app/explorer/zoom_box.h"

namespace zenphra::app {

inline constexpr int kPictureBorder = 2;

class PictureBox : public QFrame {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent);

    // Copies the library's display bitmap into the picture; a stale handle draws nothing. Only while no
    // plot runs: the runner's frames are the picture then.
    void ShowBitmap(int32_t handle);

    // Shows a frame of the plot runner. The picture is repainted with the next screen update.
    void ShowPicture(const QImage& picture);

    // Removes the picture; only the background shows.
    void ClearPicture();

    const QImage& Picture() const { return picture_; }
    QColor BackgroundColor() const { return palette().color(backgroundRole()); }

    // The zoom box. Its outline inverts the pixels under it (exclusive-or), and its handles are 9 x 9
    // markers, red on the handle being dragged; it is drawn over a clean copy of the picture kept while
    // the box is shown, so that erasing it is a copy back.
    void KeepCleanCopy();
    void DrawZoomBox(const ZoomOutline& outline);
    // Erases the box and lets the clean copy go.
    void DropCleanCopy();

    // The screen position of a picture pixel, for putting the pointer on it.
    QPoint ScreenPosition(QPointF pixel) const;

  signals:
    // Mouse events, at picture pixels (the border left out).
    void Pressed(QPoint pixel, Qt::MouseButton button);
    void Moved(QPoint pixel, Qt::MouseButtons buttons);
    void Released(QPoint pixel, Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPoint PixelOf(const QMouseEvent* event) const;

    QImage picture_;
    QImage clean_;  // the picture without the zoom box, while the box is shown
};

}  // namespace zenphra::app
