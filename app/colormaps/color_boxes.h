// The colormap editor's colour boxes, all painted by this one widget: the 232 range entries in index
// order, eight rows of 29, the boxes that start or end a range larger than the rest, and below them the
// maximum-iteration and background boxes with their captions. The selected box has a white outline.
#pragma once

#include <QRect>
#include <QWidget>
#include <cstdint>

namespace zenphra::app {

class ColorEditor;

class ColorBoxes : public QWidget {
    Q_OBJECT

  public:
    ColorBoxes(const ColorEditor& editor, QWidget* parent);

    // Where box 0 to 233 is drawn.
    QRect BoxRect(int32_t box) const;
    // The box under the point, or -1.
    int32_t BoxAt(QPoint point) const;

    QSize sizeHint() const override;

  signals:
    void BoxClicked(int32_t box);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool Large(int32_t box) const;

    const ColorEditor& editor_;
};

}  // namespace zenphra::app
