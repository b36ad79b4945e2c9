// The picture area: a 2-pixel sunken border around a picture that keeps what was drawn into it, so the
// window repaints it without asking the plotting library again.
#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>

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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace zenphra::app
