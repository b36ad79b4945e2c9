// The zoom box over the picture: shown by "&Zoom" or a left click on an idle image, moved, sized and
// turned with the mouse, the keys and the two scroll bars while the panel follows it, and applied (a new
// image is plotted) or cancelled (everything is put back). The mouse over the picture is handled here
// for the Julia pick too.
#include <QCursor>
#include <QSignalBlocker>

#include "app/common/valid_num.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/key_preview.h"

namespace zenphra::app {
namespace {

constexpr double kKeyRatioStep = 0.01;
constexpr int kPercent = 100;

}  // namespace

void ExplorerWindow::ConnectZoom() {
    connect(ui_.cmdZoom, &QPushButton::clicked, this, &ExplorerWindow::Zoom);
    connect(ui_.cmdZoomApply, &QPushButton::clicked, this, &ExplorerWindow::ApplyZoom);
    connect(ui_.cmdZoomCancel, &QPushButton::clicked, this, &ExplorerWindow::CancelZoom);
    connect(ui_.hsbSize, &QScrollBar::valueChanged, this, [this](int value) {
        session_.Box().SetRatio(static_cast<double>(value) / kPercent);
        ShowZoomFields(ZoomHandle::kSize);
        DrawZoomBox();
    });
    connect(ui_.hsbRotate, &QScrollBar::valueChanged, this, [this](int value) {
        session_.Box().SetAngle(value);
        ShowZoomFields(ZoomHandle::kTurn);
        DrawZoomBox();
    });
    connect(ui_.pic, &PictureBox::Pressed, this, &ExplorerWindow::PicturePressed);
    connect(ui_.pic, &PictureBox::Moved, this, &ExplorerWindow::PictureMoved);
    connect(ui_.pic, &PictureBox::Released, this, &ExplorerWindow::PictureReleased);
    keyPreview_ = new KeyPreview(
        this,
        [this](const QKeyEvent& key) {
            if (session_.Doing() == Activity::kZoomBox) return ZoomKeyPressed(key);
            return session_.Doing() == Activity::kJuliaPick && PickKeyPressed(key);
        },
        [this] {
            if (session_.Doing() == Activity::kZoomBox) ZoomKeyReleased();
        });
}

void ExplorerWindow::Zoom() {
    const CommandGuard command(*this, &ControlStates::Zoom);
    if (!command || !CommitFocusedField() || !Checked(session_.ShowZoomBox(PanelTextsNow()))) return;
    ShowParams();
    const ZoomBox& box = session_.Box();
    {
        // The box starts as these say; it is drawn once, below.
        const QSignalBlocker sizeBlocker(ui_.hsbSize);
        const QSignalBlocker rotateBlocker(ui_.hsbRotate);
        ui_.hsbSize->setValue(qRound(box.Ratio() * kPercent));
        ui_.hsbRotate->setValue(box.Angle());
    }
    ui_.lblSizeFactor->setText(FormatNum(box.Ratio(), 2));
    ui_.lblAngle->setText(QString::number(box.Angle()));
    ui_.pic->KeepCleanCopy();
    DrawZoomBox();
    FocusWhenShown(ui_.cmdZoomApply);
    keyPreview_->Start();
}

void ExplorerWindow::ApplyZoom() {
    const CommandGuard command(*this, &ControlStates::ZoomFrame);
    if (!command) return;
    keyPreview_->Stop();
    ui_.pic->DropCleanCopy();
    session_.ApplyZoom();
    FocusWhenShown(ui_.cmdPlot);
    const FractalParams& params = session_.Params();
    ui_.txtCx->ShowText(FormatNum(params.PrevRealCenter, 16));
    ui_.txtCy->ShowText(FormatNum(params.PrevImagCenter, 16));
    ui_.txtMagnify->ShowText(FormatNum(params.TotalMagnify, 16));
    ShowFields({PanelField::kAngle});
    Plot();
}

void ExplorerWindow::CancelZoom() {
    const CommandGuard command(*this, &ControlStates::ZoomFrame);
    if (!command) return;
    keyPreview_->Stop();
    ui_.pic->DropCleanCopy();
    session_.CancelZoom();
    ShowFields({PanelField::kCx, PanelField::kCy, PanelField::kMagnify, PanelField::kAngle});
    FocusWhenShown(ui_.cmdPlot);
}

void ExplorerWindow::DrawZoomBox() {
    if (session_.Doing() == Activity::kZoomBox) ui_.pic->DrawZoomBox(session_.Box().Outline());
}

// The panel shows what the box stands for as it changes.
void ExplorerWindow::ShowZoomFields(ZoomHandle changed) {
    const ZoomBox& box = session_.Box();
    switch (changed) {
        case ZoomHandle::kCentre:
            ui_.txtCx->ShowText(FormatNum(box.PlaneCentre().real, 20));
            ui_.txtCy->ShowText(FormatNum(box.PlaneCentre().imag, 20));
            break;
        case ZoomHandle::kSize:
            ui_.lblSizeFactor->setText(FormatNum(box.Ratio(), 2));
            ui_.txtMagnify->ShowText(box.MagnifyText());
            break;
        case ZoomHandle::kTurn:
            ui_.lblAngle->setText(QString::number(box.Angle()));
            ui_.txtAngle->ShowText(box.AngleText());
            break;
        case ZoomHandle::kNone:
            break;
    }
}

// Enter applies and Backspace cancels. Shift stands for any of Shift, Ctrl and Alt: with it the arrows
// size and turn the box, without it they move it by a pixel.
bool ExplorerWindow::ZoomKeyPressed(const QKeyEvent& key) {
    ZoomBox& box = session_.Box();
    const bool shifted =
        (key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != Qt::NoModifier;
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ApplyZoom();
            return true;
        case Qt::Key_Backspace:
            CancelZoom();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (shifted) {
                box.ResizeBy(key.key() == Qt::Key_Up ? kKeyRatioStep : -kKeyRatioStep);
                ShowZoomFields(ZoomHandle::kSize);
            } else {
                box.MoveBy(QPointF(0, key.key() == Qt::Key_Up ? -1 : 1));
                ShowZoomFields(ZoomHandle::kCentre);
            }
            break;
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (shifted) {
                // As the turn handle dragged a pixel that way.
                box.TurnBy(key.key() == Qt::Key_Left ? -1 : 1);
                ShowZoomFields(ZoomHandle::kTurn);
            } else {
                box.MoveBy(QPointF(key.key() == Qt::Key_Left ? -1 : 1, 0));
                ShowZoomFields(ZoomHandle::kCentre);
            }
            break;
        default:
            return false;
    }
    DrawZoomBox();
    return true;
}

// The scroll bars catch up with the keys when a key is let go.
void ExplorerWindow::ZoomKeyReleased() {
    ui_.hsbSize->setValue(qRound(session_.Box().Ratio() * kPercent));
    ui_.hsbRotate->setValue(session_.Box().Angle());
}

void ExplorerWindow::PicturePressed(QPoint pixel, Qt::MouseButton button) {
    const Activity doing = session_.Doing();
    if (button == Qt::RightButton) {
        // A right click brings a hidden tutorial back, as its command does.
        if (tutorial_->IsOpen()) tutorial_->Show();
        if (doing == Activity::kJuliaPick) {
            CancelSwitch();
        } else if (doing == Activity::kZoomBox) {
            session_.Box().Contains(pixel) ? ApplyZoom() : CancelZoom();
        }
        return;
    }
    if (button != Qt::LeftButton) return;
    if (doing == Activity::kJuliaPick) {
        TakeSwitch();
    } else if (doing == Activity::kZoomBox) {
        ZoomBox& box = session_.Box();
        box.Press(pixel);
        if (box.Dragged() == ZoomHandle::kNone) return;
        ui_.pic->setCursor(Qt::BlankCursor);  // the box shows where the drag is
        DrawZoomBox();                        // a dragged handle turns red
    } else {
        Zoom();  // on an idle image
    }
}

void ExplorerWindow::PictureMoved(QPoint pixel, Qt::MouseButtons buttons) {
    const bool zooming = session_.Doing() == Activity::kZoomBox;
    ZoomBox& box = session_.Box();
    if (zooming && box.Dragged() != ZoomHandle::kNone) {
        if (const std::optional<QPoint> putBack = box.DragTo(pixel)) {
            QCursor::setPos(ui_.pic->ScreenPosition(*putBack));
        }
        ShowZoomFields(box.Dragged());
        DrawZoomBox();
        return;
    }
    ApplyPicturePointer(session_.Controls().Pointer);
    if (session_.Controls().JuliaPreview) PickAt(pixel);
    if (zooming && box.HoverAt(pixel, buttons != Qt::NoButton) == ZoomHandle::kCentre) {
        ui_.pic->setCursor(Qt::SizeAllCursor);
    }
}

void ExplorerWindow::PictureReleased(QPoint /*pixel*/, Qt::MouseButton button) {
    if (session_.Doing() != Activity::kZoomBox || button != Qt::LeftButton) return;
    ZoomBox& box = session_.Box();
    const ZoomHandle dragged = box.Dragged();
    if (const std::optional<QPoint> onHandle = box.Release()) {
        QCursor::setPos(ui_.pic->ScreenPosition(*onHandle));
    }
    if (dragged == ZoomHandle::kSize) ui_.hsbSize->setValue(qRound(box.Ratio() * kPercent));
    if (dragged == ZoomHandle::kTurn) ui_.hsbRotate->setValue(box.Angle());
    ApplyPicturePointer(session_.Controls().Pointer);
    DrawZoomBox();
}

void ExplorerWindow::ApplyPicturePointer(PicturePointer pointer) {
    switch (pointer) {
        case PicturePointer::kArrow:
            ui_.pic->setCursor(Qt::ArrowCursor);
            break;
        case PicturePointer::kCrossHair:
            ui_.pic->setCursor(Qt::CrossCursor);
            break;
        case PicturePointer::kBusy:
            ui_.pic->setCursor(Qt::WaitCursor);
            break;
    }
}

}  // namespace zenphra::app
