#include "app/colormaps/color_editor_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/colormaps/color_boxes.h"
#include "app/colormaps/hls_picker.h"
#include "app/shell/window_position.h"

namespace zenphra::app {
namespace {

constexpr int kValueWidth = 28;
constexpr int kCaptionWidth = 44;

// The captions keep the blanks that centred them.
QString Title(int32_t ranges) {
    switch (ranges) {
        case 8:
            return QStringLiteral("          Edit Eight-Range Colormap");
        case 4:
            return QStringLiteral("          Edit Four-Range Colormap");
        default:
            return QStringLiteral("         Edit Two-Range Colormap");
    }
}

const QString kRgbInstruction = QStringLiteral(
    "To adjust the colors in a range, click on a large box at the beginning or end of a range and use the "
    "scrollbars to adjust the color.");
const QString kHlsInstruction = QStringLiteral(
    "To adjust the colors in a range, click on a large box at the beginning or end of a range and use the "
    "small black triangles to adjust the color.");

QLabel* AddLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* AddButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A caption on the left of an input row and the value it reads on the right.
void AddRow(QGridLayout* grid, int row, const QString& caption, QWidget* input, QLabel* value) {
    auto* label = new QLabel(caption, input->parentWidget());
    label->setFixedWidth(kCaptionWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFixedWidth(kValueWidth);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(input, row, 1);
    grid->addWidget(value, row, 2);
}

}  // namespace

ColorEditorDialog::ColorEditorDialog(const ColorEditorContext& context, QWidget* parent)
    : QDialog(parent), editor_(context, kPickerWidth), placement_(context.placement) {
    setObjectName(QStringLiteral("frmEditColors%1").arg(editor_.Ranges()));
    setWindowTitle(Title(editor_.Ranges()));
    setModal(true);

    boxes_ = new ColorBoxes(editor_, this);
    auto* input = new QGridLayout;  // the scrollbars and the HLS pickers take turns in one place
    input->addWidget(BuildRgbInput(), 0, 0);
    input->addWidget(BuildHlsInput(), 0, 0);
    lblInstruct_ = AddLabel("lblInstruct", QString(), this);
    lblInstruct_->setWordWrap(true);
    lblInstruct_->setFixedWidth(boxes_->width());
    // Room for the longer of the two texts, so the window keeps its size when the mode changes.
    lblInstruct_->setText(kHlsInstruction);
    lblInstruct_->setMinimumHeight(lblInstruct_->heightForWidth(boxes_->width()));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boxes_);
    layout->addLayout(input);
    layout->addWidget(lblInstruct_);
    layout->addWidget(BuildCommands());
    Connect();
    ShowState();
    setFixedSize(sizeHint());
    PlaceWhollyOnScreen(this, EditorPosition(placement_));
    KeepWindowPosition(this, WindowPositions{CRegSettings(), placement_.largeFonts}, RestoreWhen::kFirstShow);
}

QWidget* ColorEditorDialog::BuildRgbInput() {
    framRGB_ = new QWidget(this);
    auto* grid = new QGridLayout(framRGB_);
    grid->setContentsMargins(0, 0, 0, 0);
    static const char* const kBars[] = {"hsbRed", "hsbGrn", "hsbBlu"};
    static const char* const kValues[] = {"lblRed", "lblGrn", "lblBlu"};
    static const char* const kCaptions[] = {"Red :", "Green :", "    Blue:"};
    for (int channel = 0; channel < 3; ++channel) {
        auto* bar = new QScrollBar(Qt::Horizontal, framRGB_);
        bar->setObjectName(QString::fromLatin1(kBars[channel]));
        bar->setRange(0, 255);
        bar->setPageStep(16);
        bar->setTracking(false);  // a drag is applied when the thumb is let go
        scrollbars_[channel] = bar;
        rgbLabels_[channel] = AddLabel(kValues[channel], QString(), framRGB_);
        AddRow(grid, channel, QString::fromLatin1(kCaptions[channel]), bar, rgbLabels_[channel]);
    }
    QSizePolicy keepPlace = framRGB_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    framRGB_->setSizePolicy(keepPlace);
    return framRGB_;
}

QWidget* ColorEditorDialog::BuildHlsInput() {
    framHLS_ = new QWidget(this);
    framHLS_->setObjectName(QStringLiteral("framHLS"));
    auto* grid = new QGridLayout(framHLS_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    static const char* const kValues[] = {"lblH", "lblS", "lblL"};
    static const char* const kCaptions[] = {"H:", "S:", "L:"};
    for (int strip = 0; strip < 3; ++strip) {
        pickers_[strip] = new HlsPicker(editor_, static_cast<HlsStrip>(strip), framHLS_);
        hlsLabels_[strip] = AddLabel(kValues[strip], QString(), framHLS_);
        AddRow(grid, strip, QString::fromLatin1(kCaptions[strip]), pickers_[strip], hlsLabels_[strip]);
    }
    QSizePolicy keepPlace = framHLS_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    framHLS_->setSizePolicy(keepPlace);
    return framHLS_;
}

QWidget* ColorEditorDialog::BuildCommands() {
    auto* commands = new QWidget(this);
    auto* grid = new QGridLayout(commands);
    grid->setContentsMargins(0, 0, 0, 0);
    cmdHLS_ = AddButton("cmdHLS", "Use &HLS", commands);
    cmdRGB_ = AddButton("cmdRGB", "Use &RGB", commands);
    cmdLoad_ = AddButton("cmdLoad", "&Load Map", commands);
    cmdSave_ = AddButton("cmdSave", "&Save Map", commands);
    cmdOK_ = AddButton("cmdOK", "&OK", commands);
    cmdCancel_ = AddButton("cmdCancel", "&Cancel", commands);

    auto* framRotate = new QGroupBox(QStringLiteral("Rotate Color Ranges"), commands);
    framRotate->setObjectName(QStringLiteral("framRotate"));
    cmdLeft_ = AddButton("cmdLeft", "&Up", framRotate);
    cmdRight_ = AddButton("cmdRight", "&Down", framRotate);
    auto* rotate = new QHBoxLayout(framRotate);
    rotate->addWidget(cmdLeft_);
    rotate->addWidget(cmdRight_);

    grid->addWidget(cmdHLS_, 0, 0);
    grid->addWidget(cmdRGB_, 1, 0);
    grid->addWidget(cmdLoad_, 0, 1);
    grid->addWidget(cmdSave_, 1, 1);
    grid->addWidget(cmdOK_, 0, 2);
    grid->addWidget(cmdCancel_, 1, 2);
    grid->addWidget(framRotate, 2, 0, 1, 3);
    return commands;
}

void ColorEditorDialog::Connect() {
    connect(boxes_, &ColorBoxes::BoxClicked, this, &ColorEditorDialog::BoxClicked);
    for (int channel = 0; channel < 3; ++channel) {
        QScrollBar* bar = scrollbars_[channel];
        QLabel* value = rgbLabels_[channel];
        // While the thumb is dragged only the number follows it.
        connect(bar, &QScrollBar::sliderMoved, value, [value](int position) { value->setNum(position); });
        connect(bar, &QScrollBar::valueChanged, this, [this, channel](int position) {
            ScrollbarChanged(static_cast<RgbChannel>(channel), position);
        });
    }
    for (int strip = 0; strip < 3; ++strip) {
        connect(pickers_[strip], &HlsPicker::Moved, this, [this, strip] {
            hlsLabels_[strip]->setNum(editor_.Pickers().Label(static_cast<HlsStrip>(strip)));
        });
        connect(pickers_[strip], &HlsPicker::Dropped, this, &ColorEditorDialog::ShowState);
    }
    connect(cmdHLS_, &QPushButton::clicked, this, [this] { UseHls(true); });
    connect(cmdRGB_, &QPushButton::clicked, this, [this] { UseHls(false); });
    connect(cmdLeft_, &QPushButton::clicked, this, [this] {
        editor_.Rotate(RotateDirection::kUp);
        ShowState();
    });
    connect(cmdRight_, &QPushButton::clicked, this, [this] {
        editor_.Rotate(RotateDirection::kDown);
        ShowState();
    });
    connect(cmdLoad_, &QPushButton::clicked, this, [this] {
        editor_.LoadMap();
        ShowState();
    });
    connect(cmdSave_, &QPushButton::clicked, this, [this] { editor_.SaveMap(); });
    connect(cmdOK_, &QPushButton::clicked, this, &ColorEditorDialog::Ok);
    connect(cmdCancel_, &QPushButton::clicked, this, &ColorEditorDialog::Cancel);
}

void ColorEditorDialog::BoxClicked(int32_t box) {
    if (editor_.Select(box)) ShowState();
}

void ColorEditorDialog::ScrollbarChanged(RgbChannel channel, int value) {
    editor_.SetRgb(channel, value);
    ShowState();
}

void ColorEditorDialog::UseHls(bool on) {
    editor_.UseHls(on);
    ShowState();
}

void ColorEditorDialog::ShowState() {
    const bool hls = editor_.UsingHLS();
    for (int channel = 0; channel < 3; ++channel) {
        const QSignalBlocker quiet(scrollbars_[channel]);  // showing a colour is no edit
        scrollbars_[channel]->setValue(editor_.Rgb()[channel]);
        scrollbars_[channel]->setEnabled(!hls);
        rgbLabels_[channel]->setNum(editor_.Rgb()[channel]);
    }
    for (int strip = 0; strip < 3; ++strip) {
        pickers_[strip]->update();
        hlsLabels_[strip]->setNum(editor_.Pickers().Label(static_cast<HlsStrip>(strip)));
    }
    framRGB_->setVisible(!hls);
    framHLS_->setVisible(hls);
    cmdHLS_->setEnabled(!hls);
    cmdRGB_->setEnabled(hls);
    lblInstruct_->setText(hls ? kHlsInstruction : kRgbInstruction);
    boxes_->update();
}

void ColorEditorDialog::Ok() {
    editor_.Accept();
    done(Accepted);
}

void ColorEditorDialog::Cancel() {
    editor_.Cancel();
    done(Rejected);
}

void ColorEditorDialog::reject() { Cancel(); }

}  // namespace zenphra::app
