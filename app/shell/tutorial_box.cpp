#include "app/shell/tutorial_box.h"

#include <QFileInfo>

#include "app/common/messages.h"
#include "app/common/text_lines.h"
#include "app/shell/tutorial_text.h"
#include "app/shell/tutorial_window.h"

namespace zenphra::app {

TutorialBox::TutorialBox(const QString& tutorialFile, const WindowPositions& positions, QWidget* owner)
    : QObject(owner), tutorialFile_(tutorialFile), positions_(positions), owner_(owner) {}

bool TutorialBox::Show() {
    if (!QFileInfo::exists(tutorialFile_)) {
        ShowMessage(TutorialNotFoundText(tutorialFile_));
        return false;
    }
    if (window_.isNull() && !Open()) return false;
    window_->show();
    window_->raise();
    window_->activateWindow();
    emit ShownChanged(true);
    return true;
}

bool TutorialBox::IsShown() const { return !window_.isNull() && window_->isVisible(); }

void TutorialBox::Close() {
    if (!window_.isNull()) window_->close();
}

// The file is read once; a hidden window keeps what it read.
bool TutorialBox::Open() {
    const std::optional<QByteArray> text = ReadWholeFile(tutorialFile_);
    if (!text) {
        ShowMessage(CannotFindText(tutorialFile_), MessageIcon::kNone);
        return false;
    }
    window_ = new TutorialWindow(TutorialEntries(*text), positions_, owner_);
    // A closing window is no longer open, though it is deleted only later.
    connect(window_, &TutorialWindow::Closing, this, [this] { window_ = nullptr; });
    connect(window_, &TutorialWindow::Hidden, this, [this] { emit ShownChanged(false); });
    return true;
}

}  // namespace zenphra::app
