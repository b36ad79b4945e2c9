#include "app/colormaps/color_boxes.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/colormaps/color_editor.h"

namespace zenphra::app {
namespace {

constexpr int kColumns = 29;
constexpr int kMargin = 5;      // room for the outline round the outer boxes
constexpr int kEndSlot = 22;    // the first and last column, which hold the range ends
constexpr int kInnerPitch = 9;  // every other column
constexpr int kRowPitch = 22;
constexpr QSize kLargeBox{16, 18};
constexpr QSize kSmallBox{7, 12};
constexpr QSize kSingleBox{24, 24};
constexpr int kSinglesTop = kMargin + 8 * kRowPitch + 8;
constexpr int kBgLeft = 150;
constexpr int kCaptionGap = 6;
constexpr int kOutline = 2;  // from a box to its outline
constexpr int kOutlineWidth = 2;
constexpr int kSingleOutline = 3;  // the single-colour boxes have a larger one
constexpr int kPanelDarker = 150;  // percent

int ColumnLeft(int column) {
    if (column == 0) return kMargin;
    return kMargin + kEndSlot + (column - 1) * kInnerPitch;
}

int ColumnWidth(int column) { return column == 0 || column == kColumns - 1 ? kEndSlot : kInnerPitch; }

// A box of that size centred in its slot.
QRect Centred(QRect slot, QSize box) {
    return QRect(slot.x() + (slot.width() - box.width()) / 2, slot.y() + (slot.height() - box.height()) / 2,
                 box.width(), box.height());
}

QColor ToQColor(PackedColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

}  // namespace

ColorBoxes::ColorBoxes(const ColorEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("CmColor"));
    setFixedSize(sizeHint());
}

QSize ColorBoxes::sizeHint() const {
    return {ColumnLeft(kColumns - 1) + kEndSlot + kMargin, kSinglesTop + kSingleBox.height() + kMargin};
}

bool ColorBoxes::Large(int32_t box) const { return editor_.Selectable(box); }

QRect ColorBoxes::BoxRect(int32_t box) const {
    if (box == kMaxIterEntry) return QRect(QPoint(kMargin + kSingleOutline, kSinglesTop), kSingleBox);
    if (box == kBackgroundEntry) return QRect(QPoint(kBgLeft, kSinglesTop), kSingleBox);
    const int column = box % kColumns;
    QRect slot(ColumnLeft(column), kMargin + box / kColumns * kRowPitch, ColumnWidth(column), kRowPitch);
    if (Large(box)) return Centred(slot, kLargeBox);
    // A small box in an end column keeps the spacing of its row.
    if (column == 0) slot.setLeft(slot.right() + 1 - kInnerPitch);
    if (column == kColumns - 1) slot.setWidth(kInnerPitch);
    return Centred(slot, kSmallBox);
}

int32_t ColorBoxes::BoxAt(QPoint point) const {
    for (int32_t box = 0; box <= kBackgroundEntry; ++box) {
        if (BoxRect(box).contains(point)) return box;
    }
    return -1;
}

void ColorBoxes::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A mid grey behind the boxes, on which white and black boxes and the white outline all show.
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(kPanelDarker));
    for (int32_t box = 0; box <= kBackgroundEntry; ++box) {
        painter.fillRect(BoxRect(box), ToQColor(editor_.BoxColor(box)));
    }

    painter.setPen(palette().color(QPalette::WindowText));
    for (const auto& [box, caption] :
         {std::pair{kMaxIterEntry, "Max. Iter."}, std::pair{kBackgroundEntry, "Background"}}) {
        const QRect rect = BoxRect(box);
        painter.drawText(QRect(rect.right() + kCaptionGap, rect.top(), 100, rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(caption));
    }

    const int32_t selected = editor_.Selected();
    const int gap = selected >= kRangeEntries ? kSingleOutline : kOutline;
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    for (int ring = gap; ring < gap + kOutlineWidth; ++ring) {
        painter.drawRect(BoxRect(selected).adjusted(-ring, -ring, ring - 1, ring - 1));
    }
}

void ColorBoxes::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int32_t box = BoxAt(event->position().toPoint());
    if (box >= 0) emit BoxClicked(box);
}

}  // namespace zenphra::app
