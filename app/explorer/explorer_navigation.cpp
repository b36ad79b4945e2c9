// Exploring as people are used to: Back and Forward through the images shown, the mouse wheel zooming
// about the point under the pointer, and the parameters of the image on the clipboard. Each new image
// goes through Plot, as the zoom box's does.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>

#include "app/common/text_lines.h"
#include "app/common/valid_num.h"
#include "app/explorer/explorer_window.h"
#include "app/params/clipboard_entry.h"
#include "app/params/image_entry.h"
#include "app/params/param_messages.h"

namespace zenphra::app {
namespace {

// A wheel notch doubles or halves the magnification; with Ctrl held it changes it by a quarter.
constexpr double kWheelFactor = 2.0;
constexpr double kFineWheelFactor = 1.25;

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    return item;
}

}  // namespace

void ExplorerWindow::AddNavigationItems(QMenu* menu) {
    navigation_.back =
        AddItem(menu, "mnuBack", QStringLiteral("&Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
    navigation_.forward =
        AddItem(menu, "mnuForward", QStringLiteral("&Forward"), QKeySequence(Qt::ALT | Qt::Key_Right));
    menu->addSeparator();
    navigation_.copy = AddItem(menu, "mnuCopyParams", QStringLiteral("&Copy Parameters"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    navigation_.paste = AddItem(menu, "mnuPasteParams", QStringLiteral("&Paste Parameters"),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(navigation_.back, &QAction::triggered, this, &ExplorerWindow::GoBack);
    connect(navigation_.forward, &QAction::triggered, this, &ExplorerWindow::GoForward);
    connect(navigation_.copy, &QAction::triggered, this, &ExplorerWindow::CopyParameters);
    connect(navigation_.paste, &QAction::triggered, this, &ExplorerWindow::PasteParameters);
    connect(ui_.pic, &PictureBox::Wheeled, this, &ExplorerWindow::WheelZoom);
}

void ExplorerWindow::GoBack() {
    const CommandGuard command(*this, &ControlStates::Back);
    if (command && session_.GoBack()) PlotImage();
}

void ExplorerWindow::GoForward() {
    const CommandGuard command(*this, &ControlStates::Forward);
    if (command && session_.GoForward()) PlotImage();
}

// The mouse's back and forward buttons, anywhere in the window.
void ExplorerWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::BackButton) GoBack();
    if (event->button() == Qt::ForwardButton) GoForward();
    QWidget::mousePressEvent(event);
}

// The image of the history the session took: its size, colours and parameters, then Plot.
void ExplorerWindow::PlotImage() {
    ShowResolutionOfImage();
    ShowParams();
    UpdateBandingItem();
    Plot();
}

void ExplorerWindow::WheelZoom(QPoint pixel, int notches, Qt::KeyboardModifiers modifiers) {
    // Only an idle, finished image is zoomed: a plot that runs or stopped is the user's to go on with.
    const CommandGuard command(*this, &ControlStates::Wheel);
    if (!command || !CommitFocusedField()) return;
    const double step = modifiers & Qt::ControlModifier ? kFineWheelFactor : kWheelFactor;
    const double factor = notches > 0 ? step : 1.0 / step;
    if (!Checked(session_.WheelTurned(PanelTextsNow(), pixel, factor))) return;
    ShowFields({PanelField::kCx, PanelField::kCy, PanelField::kMagnify});
    Plot();
}

void ExplorerWindow::CopyParameters() {
    const CommandGuard command(*this, &ControlStates::CopyParams);
    if (!command) return;
    const FractalParams& params = session_.Params();
    const bool halfFinished = session_.ImagePresent() && session_.StartY() != 0;
    const std::optional<int32_t> resumeRow = halfFinished ? std::optional(session_.StartY()) : std::nullopt;
    const QStringList lines = EntryLines(ImageEntryText(QStringLiteral("Clipboard"), params, resumeRow),
                                         params, session_.Palette());
    QGuiApplication::clipboard()->setText(QString::fromLatin1(JoinLinesCrLf(lines)));
}

// An entry on the clipboard is taken and plotted as an entry of the load dialog is; a text that is not
// one changes nothing.
void ExplorerWindow::PasteParameters() {
    const CommandGuard command(*this, &ControlStates::PasteParams);
    if (!command || !CommitFocusedField()) return;
    const EntryReadResult read =
        ReadPastedEntry(QGuiApplication::clipboard()->text(), {session_.Params(), session_.Colors()});
    if (read.status != EntryReadStatus::kRead) {
        ShowEntryNotRead(read.status, kClipboardName);
        return;
    }
    PlotLoadedEntry(read.values);
}

}  // namespace zenphra::app
