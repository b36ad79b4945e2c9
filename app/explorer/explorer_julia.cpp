// The Julia switch and Undo. From the set the user picks the Julia constant over the picture while a
// small preview of its Julia set follows the pointer; from a Julia set the switch goes straight back to
// the set. Undo has Plot bring back the image shown before the current one.
#include <QCursor>
#include <QPixmap>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/common/valid_num.h"
#include "app/explorer/explorer_window.h"
#include "app/explorer/key_preview.h"

namespace zenphra::app {

void ExplorerWindow::ConnectJulia() {
    connect(ui_.cmdSwitch, &QPushButton::clicked, this, &ExplorerWindow::Switch);
    connect(ui_.cmdSwCancel, &QPushButton::clicked, this, &ExplorerWindow::CancelSwitch);
    connect(ui_.cmdUndo, &QPushButton::clicked, this, &ExplorerWindow::Undo);
}

void ExplorerWindow::Switch() {
    const CommandGuard command(*this, &ControlStates::Switch);
    if (!command || !CommitFocusedField() || !Checked(session_.StartSwitch(PanelTextsNow()))) return;
    ShowParams();
    const bool fromSet = !session_.JuliaMode();
    // The Julia fields show the constant of the other mode: the point picked, or the one left behind.
    for (QWidget* julia : {static_cast<QWidget*>(ui_.lblJuliaX), static_cast<QWidget*>(ui_.txtJuliaX),
                           static_cast<QWidget*>(ui_.lblJuliaY), static_cast<QWidget*>(ui_.txtJuliaY)}) {
        julia->setVisible(fromSet);
    }
    if (fromSet) {
        ui_.txtCx->ShowText(QStringLiteral("0.0"));
        ui_.txtCy->ShowText(QStringLiteral("0.0"));
    } else {
        ui_.txtCx->ShowText(FieldText(PanelField::kJuliaX, session_.Params()));
        ui_.txtCy->ShowText(FieldText(PanelField::kJuliaY, session_.Params()));
    }
    QCursor::setPos(ui_.pic->ScreenPosition(session_.Pick().ImageCentre()));
    if (!fromSet) {
        TakeSwitch();
        return;
    }
    PickAt(session_.Pick().ImageCentre());
    FocusWhenShown(ui_.cmdSwCancel);
    keyPreview_->Start();
}

// The pointer is over this pixel of the picture: its plane point is the constant picked.
void ExplorerWindow::PickAt(QPointF pixel) {
    session_.Pick().PickAt(pixel);
    const PlanePoint& picked = session_.Pick().Picked();
    ui_.txtJuliaX->ShowText(FormatNum(picked.real, 20));
    ui_.txtJuliaY->ShowText(FormatNum(picked.imag, 20));
    ShowJuliaPreview();
}

void ExplorerWindow::TakeSwitch() {
    const CommandGuard command(*this, &ControlStates::SwCancel);
    if (!command) return;
    keyPreview_->Stop();
    const bool rounded = !session_.JuliaMode() && session_.Pick().RoundedToDouble();
    session_.TakeSwitch();
    ShowParams();
    if (rounded) {
        ShowMessage(
            QStringLiteral("The Julia constant was picked deeper than doubles reach: the Julia set is "
                           "drawn for the picked point's nearest double."));
    }
    SizePicture();
    if (!session_.ImagePresent()) ShowNoImage();
    Plot();
}

void ExplorerWindow::CancelSwitch() {
    const CommandGuard command(*this, &ControlStates::SwCancel);
    if (!command) return;
    keyPreview_->Stop();
    session_.CancelSwitch();
    ShowParams();
    FocusWhenShown(ui_.cmdSwitch);
}

// Left click and Enter take the switch; right click and Backspace cancel; Home puts the pointer back on
// the image's centre.
bool ExplorerWindow::PickKeyPressed(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            TakeSwitch();
            return true;
        case Qt::Key_Backspace:
            CancelSwitch();
            return true;
        case Qt::Key_Home:
            PickAt(session_.Pick().ImageCentre());
            QCursor::setPos(ui_.pic->ScreenPosition(session_.Pick().ImageCentre()));
            return true;
        default:
            return false;
    }
}

// Only while idle: the library draws the preview on the window's thread.
void ExplorerWindow::ShowJuliaPreview() {
    const PlanePoint picked = session_.Pick().Picked();
    const int32_t handle = Engine().PlotJulia(session_.Params().BaseEquation(), &picked.real, &picked.imag);
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* bits = nullptr;
    if (handle <= 0 || Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return;
    ui_.Jpic->setPixmap(QPixmap::fromImage(QImage(bits, width, height, stride, QImage::Format_BGR888)));
}

void ExplorerWindow::Undo() { Plot(PlotRequest::kUndo); }

}  // namespace zenphra::app
