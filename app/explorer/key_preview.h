// While the zoom box is shown or a Julia constant is picked, the explorer window sees the keys before
// its controls do: the window takes the keys it knows, and typed characters go nowhere, so a focused
// button is not pressed by a Space nor a field typed into.
#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace zenphra::app {

class KeyPreview : public QObject {
    Q_OBJECT

  public:
    // Returns true for a key it took.
    using PressHandler = std::function<bool(const QKeyEvent& key)>;

    // Watches the keys of `window`, which owns the preview; `released` runs whenever a key is let go.
    // It starts stopped.
    KeyPreview(QWidget* window, PressHandler pressed, std::function<void()> released);

    void Start();
    void Stop();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    PressHandler pressed_;
    std::function<void()> released_;
    bool started_ = false;
};

}  // namespace zenphra::app
