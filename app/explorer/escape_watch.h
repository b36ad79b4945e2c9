// Escape pressed in the explorer window stops a plot inside its row. The watch sees the key before any
// control does, and only keys meant for the window itself: Escape in a message box closes the box.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace zenphra::app {

class EscapeWatch : public QObject {
    Q_OBJECT

  public:
    // Watches the keys of `window`, which owns the watch, and calls `pressed` for every Escape.
    EscapeWatch(QWidget* window, std::function<void()> pressed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    std::function<void()> pressed_;
};

}  // namespace zenphra::app
