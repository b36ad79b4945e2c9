// Escape stops a plot in the middle of a row. While a row is computed the window is inside the plotting
// library, which asks its abort poll before every pixel; the poll lets the window handle its pending
// events every few tens of milliseconds, so Pause, the progress label and the picture stay live, and
// answers yes once Escape was pressed in the window. Handlers that run meanwhile cannot disturb the
// row: the busy state disables what the plot depends on, and the library refuses calls made meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

namespace zenphra::app {

class EscapeWatch : public QObject {
    Q_OBJECT

  public:
    // Watches the keys of `window` and installs the library's abort poll (the library must be bound).
    explicit EscapeWatch(QWidget* window);
    ~EscapeWatch() override;
    EscapeWatch(const EscapeWatch&) = delete;
    EscapeWatch& operator=(const EscapeWatch&) = delete;

    // Forgets an earlier Escape, so one that closed a message box cannot stop the next run.
    void Reset() { pressed_ = false; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static int32_t Poll();

    QPointer<QWidget> window_;
    bool pressed_ = false;
    QElapsedTimer sinceEvents_;
};

}  // namespace zenphra::app
