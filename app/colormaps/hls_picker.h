// One HLS picker of the colormap editor: a colour strip with a small black triangle under it that the
// user drags along the strip. The triangle's tip stands under the strip's column of its position. While
// it is dragged the pointer is hidden and held within the strip; on release the pointer comes back at
// the triangle and the editor takes the new colour.
#pragma once

#include <QWidget>

#include "app/colormaps/hls_pickers.h"

namespace zenphra::app {

class ColorEditor;

class HlsPicker : public QWidget {
    Q_OBJECT

  public:
    HlsPicker(ColorEditor& editor, HlsStrip strip, QWidget* parent);

    // Where the triangle's own coordinates start: the triangle at position p covers columns p to p + 8.
    QPoint TriangleOrigin() const;

  signals:
    // The triangle moved while dragged; the editor's colour is unchanged until it is dropped.
    void Moved();
    // The triangle was let go and the editor applied the new colour.
    void Dropped();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int Position() const;
    // Puts the pointer at `x` in the triangle's coordinates, on the triangle's middle row.
    void PutPointer(int x);

    ColorEditor& editor_;
    HlsStrip strip_;
    bool dragging_ = false;
};

}  // namespace zenphra::app
