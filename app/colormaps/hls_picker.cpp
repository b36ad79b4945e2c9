#include "app/colormaps/hls_picker.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "app/colormaps/color_editor.h"

namespace zenphra::app {
namespace {

constexpr int kTriangleWidth = 9;
constexpr int kTriangleHeight = 8;
constexpr int kTip = kTriangleWidth / 2;  // from the triangle's left edge
constexpr int kStripHeight = 14;
constexpr int kGap = 2;  // between the strip and the triangles

}  // namespace

HlsPicker::HlsPicker(ColorEditor& editor, HlsStrip strip, QWidget* parent)
    : QWidget(parent), editor_(editor), strip_(strip) {
    static const char* const kNames[] = {"picHue", "picSat", "picLum"};
    setObjectName(QString::fromLatin1(kNames[static_cast<int>(strip)]));
    // A frame column either side of the strip; the triangle reaches one column past the strip's end.
    setFixedSize(editor.Pickers().LastPosition() + kTriangleWidth,
                 1 + kStripHeight + 1 + kGap + kTriangleHeight);
}

QPoint HlsPicker::TriangleOrigin() const { return QPoint(0, 1 + kStripHeight + 1 + kGap); }

int HlsPicker::Position() const { return static_cast<int>(std::lround(editor_.Pickers().Position(strip_))); }

void HlsPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::vector<PackedColor> columns = editor_.Pickers().StripColors(strip_);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(kTip - 1, 0, static_cast<int>(columns.size()) + 1, kStripHeight + 1);
    for (size_t x = 0; x < columns.size(); ++x) {
        const PackedColor color = columns[x];
        painter.setPen(QColor(RedOf(color), GreenOf(color), BlueOf(color)));
        painter.drawLine(kTip + static_cast<int>(x), 1, kTip + static_cast<int>(x), kStripHeight);
    }

    const QPoint origin = TriangleOrigin() + QPoint(Position(), 0);
    const QPolygon triangle({origin + QPoint(kTip, 0),
                             origin + QPoint(kTriangleWidth - 1, kTriangleHeight - 1),
                             origin + QPoint(0, kTriangleHeight - 1)});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
}

void HlsPicker::PutPointer(int x) {
    QCursor::setPos(mapToGlobal(TriangleOrigin() + QPoint(x, kTriangleHeight / 2)));
}

void HlsPicker::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_) return;
    if (!editor_.Pickers().Grabs(strip_, event->position().toPoint().x())) return;
    dragging_ = true;
    setCursor(Qt::BlankCursor);
    PutPointer(Position());
}

void HlsPicker::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const int x = event->position().toPoint().x();
    const int before = Position();
    const int position = static_cast<int>(editor_.DragTriangle(strip_, x));
    if (position != x) PutPointer(position);  // the pointer stays on the strip too
    if (position == before) return;
    update();
    emit Moved();
}

void HlsPicker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    PutPointer(Position() + kTip);
    unsetCursor();
    editor_.DropTriangle(strip_);
    emit Dropped();
}

}  // namespace zenphra::app
