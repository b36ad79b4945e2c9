#include "app/shell/window_position.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace zenphra::app {
namespace {

// Watches the window's show and hide events. Events the window system sends on its own (a window
// minimised and brought back) leave the position alone.
class PositionKeeper : public QObject {
  public:
    PositionKeeper(QWidget* window, const WindowPositions& positions, RestoreWhen when)
        : QObject(window), window_(window), positions_(positions), when_(when) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->spontaneous()) return false;
        if (event->type() == QEvent::Show && (when_ == RestoreWhen::kEveryShow || !shown_)) Restore();
        if (event->type() == QEvent::Show) shown_ = true;
        if (event->type() == QEvent::Hide) Save();
        return false;
    }

  private:
    double TwipsPerPixelX() const { return kTwipsInInch / window_->screen()->logicalDotsPerInchX(); }
    double TwipsPerPixelY() const { return kTwipsInInch / window_->screen()->logicalDotsPerInchY(); }

    void Restore() {
        const auto stored =
            RestoreFormPosition(positions_.store, window_->objectName(), positions_.largeFonts);
        if (!stored) return;
        const QRect place = ToPixels(*stored, TwipsPerPixelX(), TwipsPerPixelY());
        window_->move(
            KeepOnScreen(QRect(place.topLeft(), window_->frameGeometry().size()), AvailableScreens()));
    }

    void Save() {
        SaveFormPosition(positions_.store, window_->objectName(),
                         ToTwips(window_->frameGeometry(), TwipsPerPixelX(), TwipsPerPixelY()),
                         positions_.largeFonts);
    }

    QWidget* window_;
    WindowPositions positions_;
    RestoreWhen when_;
    bool shown_ = false;
};

}  // namespace

void KeepWindowPosition(QWidget* window, const WindowPositions& positions, RestoreWhen when) {
    new PositionKeeper(window, positions, when);
}

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    return screens;
}

void PlaceWhollyOnScreen(QWidget* window, QPoint place) {
    QSize framed = window->size();
    if (const QWidget* owner = window->parentWidget(); owner != nullptr) {
        const QWidget* ownerWindow = owner->window();
        framed += ownerWindow->frameGeometry().size() - ownerWindow->geometry().size();
    }
    window->move(WhollyOnScreen(QRect(place, framed), AvailableScreens()));
}

}  // namespace zenphra::app
