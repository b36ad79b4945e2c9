// The frame "Zoom Box Control": Apply and Cancel, the size and angle scroll bars with their labels, and
// the hint on moving the box.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/explorer/explorer_controls.h"
#include "app/shell/command_button.h"

namespace zenphra::app {
namespace {

QLabel* Caption(const char* text, QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QScrollBar* ScrollBar(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    return bar;
}

// A scroll bar with its heading and value above it and the meaning of its two ends below.
void AddScale(QGridLayout* grid, int row, QLabel* heading, QWidget* value, QScrollBar* bar, QLabel* low,
              QLabel* high) {
    grid->addWidget(heading, row, 0);
    grid->addWidget(value, row, 1, Qt::AlignRight);
    grid->addWidget(bar, row + 1, 0, 1, 2);
    grid->addWidget(low, row + 2, 0);
    grid->addWidget(high, row + 2, 1, Qt::AlignRight);
}

// A value and its caption side by side: "Ratio 0.50", "30 Degrees".
QWidget* ValueWithCaption(QLabel* first, QLabel* second, QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    first->setParent(pair);
    second->setParent(pair);
    row->addWidget(first);
    row->addWidget(second);
    return pair;
}

}  // namespace

QGroupBox* BuildZoomFrame(ExplorerControls& ui, QWidget* window) {
    auto* frame = new QGroupBox(QStringLiteral("Zoom Box Control"), window);
    frame->setObjectName(QStringLiteral("framZoom"));
    ui.framZoom = frame;
    ui.cmdZoomApply = new CommandButton(QStringLiteral("&Apply"), frame);
    ui.cmdZoomApply->setObjectName(QStringLiteral("cmdZoomApply"));
    ui.cmdZoomCancel = new CommandButton(QStringLiteral("&Cancel"), frame);
    ui.cmdZoomCancel->setObjectName(QStringLiteral("cmdZoomCancel"));
    for (QPushButton* button : {ui.cmdZoomApply, ui.cmdZoomCancel}) button->setAutoDefault(false);

    ui.hsbSize = ScrollBar("hsbSize", 10, 300, frame);
    ui.lblSizeFactor = Caption("", frame, Qt::AlignRight);
    ui.lblSizeFactor->setObjectName(QStringLiteral("lblSizeFactor"));
    ui.hsbRotate = ScrollBar("hsbRotate", -180, 180, frame);
    ui.lblAngle = Caption("", frame, Qt::AlignRight);
    ui.lblAngle->setObjectName(QStringLiteral("lblAngle"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui.cmdZoomApply);
    buttons->addWidget(ui.cmdZoomCancel);
    auto* scales = new QGridLayout;
    AddScale(scales, 0, Caption("Size", frame),
             ValueWithCaption(Caption("Ratio", frame), ui.lblSizeFactor, frame), ui.hsbSize,
             Caption("Smaller", frame), Caption("Larger", frame, Qt::AlignRight));
    scales->setRowMinimumHeight(3, 8);
    AddScale(scales, 4, Caption("Angle", frame),
             ValueWithCaption(ui.lblAngle, Caption("Degrees", frame), frame), ui.hsbRotate,
             Caption("-180", frame), Caption("+180", frame, Qt::AlignRight));
    auto* hint = new QLabel(QStringLiteral("To move the zoom box, move the mouse cursor into the center of "
                                           "the box. When the cursor changes to a 4-way arrow, press the "
                                           "left mouse  button and drag the box."),
                            frame);
    hint->setObjectName(QStringLiteral("lblZoomHint"));
    hint->setWordWrap(true);

    auto* column = new QVBoxLayout(frame);
    column->addLayout(buttons);
    column->addSpacing(8);
    column->addLayout(scales);
    column->addSpacing(8);
    column->addWidget(hint);
    column->addStretch(1);
    frame->hide();
    return frame;
}

}  // namespace zenphra::app
