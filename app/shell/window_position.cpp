#include "app/shell/window_position.h"

#include <QScreen>

#include "app/shell/form_position.h"

namespace zenphra::app {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kStandardDpi = 96.0;

struct ScreenScale {
    bool largeFonts = false;
    double twipsPerPixelX = kTwipsPerInch / kStandardDpi;
    double twipsPerPixelY = kTwipsPerInch / kStandardDpi;
};

ScreenScale ScaleOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return {};
    const double dpiX = screen->logicalDotsPerInchX();
    return ScreenScale{dpiX > kStandardDpi, kTwipsPerInch / dpiX,
                       kTwipsPerInch / screen->logicalDotsPerInchY()};
}

}  // namespace

void SaveWindowPosition(const QWidget& window, const CRegSettings& store) {
    const ScreenScale scale = ScaleOf(window);
    const QRect frame = window.frameGeometry();
    const FormPosition position{static_cast<float>(frame.x() * scale.twipsPerPixelX),
                                static_cast<float>(frame.y() * scale.twipsPerPixelY),
                                static_cast<float>(frame.width() * scale.twipsPerPixelX),
                                static_cast<float>(frame.height() * scale.twipsPerPixelY)};
    SaveFormPosition(store, window.objectName(), position, scale.largeFonts);
}

void RestoreWindowPosition(QWidget& window, const CRegSettings& store) {
    const ScreenScale scale = ScaleOf(window);
    // The windows keep their designed size; only where they stand is restored.
    if (const auto position = RestoreFormPosition(store, window.objectName(), scale.largeFonts)) {
        window.move(qRound(position->Left / scale.twipsPerPixelX),
                    qRound(position->Top / scale.twipsPerPixelY));
    }
}

}  // namespace zenphra::app
