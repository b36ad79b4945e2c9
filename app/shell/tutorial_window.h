// The tutorial window: the tutorial's lines in a list the user scrolls through while the explorer stays
// usable. "Hide" (or Escape) puts it away as it is, scroll position and all; "Done" (or closing it) ends
// it.
#pragma once

#include <QStringList>
#include <QWidget>

#include "app/shell/form_position.h"
#include "app/shell/ordering_page.h"

class QListWidget;

namespace zenphra::app {

class TutorialWindow : public QWidget {
    Q_OBJECT

  public:
    // A window of its own above `owner`, which deletes itself when it is closed.
    TutorialWindow(const QStringList& entries, const WindowPositions& positions, QWidget* owner);

  signals:
    // The program hid the window: Hide, Done or closing it.
    void Hidden();
    // The window is closing and will be deleted.
    void Closing();

  protected:
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Order();

    QListWidget* lstTutor_;
    WindowPositions positions_;
    FirstClickGuard orderGuard_;
};

}  // namespace zenphra::app
