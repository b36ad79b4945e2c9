// The explorer's tutorial command: opens the tutorial window, or shows it again as it was left when it
// was hidden, and tells the explorer whenever the window appears or goes away. While the tutorial is
// shown the explorer keeps its parameter panel, resolutions and colour ranges locked; when it goes, the
// explorer unlocks them only if it is idle.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "app/shell/form_position.h"

namespace zenphra::app {

class TutorialWindow;

class TutorialBox : public QObject {
    Q_OBJECT

  public:
    // The tutorial file is read the first time the window opens; the window belongs to `owner`.
    TutorialBox(const QString& tutorialFile, const WindowPositions& positions, QWidget* owner);

    // Shows the tutorial and returns true. A missing file gives "Tutorial file "<path>" not found.", a
    // file that cannot be read "Cannot find "<path>"", and then nothing is shown.
    bool Show();
    // The window exists, shown or hidden.
    bool IsOpen() const { return !window_.isNull(); }
    bool IsShown() const;
    // Closes the window if it is open, as Done does.
    void Close();

  signals:
    // The window was shown (true), or hidden or closed (false).
    void ShownChanged(bool shown);

  private:
    bool Open();

    QString tutorialFile_;
    WindowPositions positions_;
    QWidget* owner_;
    QPointer<TutorialWindow> window_;
};

}  // namespace zenphra::app
