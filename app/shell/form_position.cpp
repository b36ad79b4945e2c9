#include "app/shell/form_position.h"

#include <algorithm>
#include <cstdint>

#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

// How much of a window's top edge, in pixels, must lie on a screen for the user to take hold of it.
constexpr int kGrip = 32;

// Single precision, as the position was measured: whole numbers show no decimals.
QString PositionText(float value) { return QString::number(value, 'g', 7); }

bool ReachableOn(const QRect& frame, const QRect& screen) {
    const int topEdgeOnScreen =
        std::min(frame.right(), screen.right()) - std::max(frame.left(), screen.left()) + 1;
    return frame.top() >= screen.top() && frame.top() + kGrip <= screen.bottom() + 1 &&
           topEdgeOnScreen >= std::min(kGrip, frame.width());
}

// Squared distance from the frame's centre to the nearest point of the screen; 0 inside it.
int64_t DistanceToScreen(const QRect& frame, const QRect& screen) {
    const QPoint centre = frame.center();
    const int64_t dx = std::max({screen.left() - centre.x(), 0, centre.x() - screen.right()});
    const int64_t dy = std::max({screen.top() - centre.y(), 0, centre.y() - screen.bottom()});
    return dx * dx + dy * dy;
}

// The start nearest to `start` that keeps `size` pixels within low to high (both included); `low`
// when they do not fit.
int ClampStart(int start, int size, int low, int high) {
    return std::clamp(start, low, std::max(low, high - size + 1));
}

const QRect& NearestScreen(const QRect& frame, const QList<QRect>& screens) {
    return *std::min_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        return DistanceToScreen(frame, a) < DistanceToScreen(frame, b);
    });
}

// The frame's place moved the shortest way onto the screen, as far as its size allows.
QPoint MovedOnto(const QRect& frame, const QRect& screen) {
    return QPoint(ClampStart(frame.left(), frame.width(), screen.left(), screen.right()),
                  ClampStart(frame.top(), frame.height(), screen.top(), screen.bottom()));
}

}  // namespace

bool IsLargeFonts(double logicalDpiX) { return logicalDpiX > kStandardPixelsPerInch; }

FormPosition ToTwips(const QRect& frame, double twipsPerPixelX, double twipsPerPixelY) {
    return FormPosition{static_cast<float>(frame.x() * twipsPerPixelX),
                        static_cast<float>(frame.y() * twipsPerPixelY),
                        static_cast<float>(frame.width() * twipsPerPixelX),
                        static_cast<float>(frame.height() * twipsPerPixelY)};
}

QRect ToPixels(const FormPosition& position, double twipsPerPixelX, double twipsPerPixelY) {
    return QRect(qRound(position.Left / twipsPerPixelX), qRound(position.Top / twipsPerPixelY),
                 qRound(position.Width / twipsPerPixelX), qRound(position.Height / twipsPerPixelY));
}

void SaveFormPosition(const CRegSettings& store, const QString& windowName, const FormPosition& position,
                      bool largeFonts) {
    if (!largeFonts) return;
    store.SaveSetting(windowName, QStringLiteral("Left"), PositionText(position.Left));
    store.SaveSetting(windowName, QStringLiteral("Top"), PositionText(position.Top));
    store.SaveSetting(windowName, QStringLiteral("Width"), PositionText(position.Width));
    store.SaveSetting(windowName, QStringLiteral("Height"), PositionText(position.Height));
}

std::optional<FormPosition> RestoreFormPosition(const CRegSettings& store, const QString& windowName,
                                                bool largeFonts) {
    if (!largeFonts || store.GetSetting(windowName, QStringLiteral("Left")).isEmpty()) return std::nullopt;
    const auto read = [&](const char* key) {
        return ParseNumber(store.GetSetting(windowName, QString::fromLatin1(key)));
    };
    const std::optional<double> left = read("Left");
    const std::optional<double> top = read("Top");
    const std::optional<double> width = read("Width");
    const std::optional<double> height = read("Height");
    if (!left || !top || !width || !height) return std::nullopt;
    return FormPosition{static_cast<float>(*left), static_cast<float>(*top), static_cast<float>(*width),
                        static_cast<float>(*height)};
}

QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty()) return frame.topLeft();
    for (const QRect& screen : screens) {
        if (ReachableOn(frame, screen)) return frame.topLeft();
    }
    return MovedOnto(frame, NearestScreen(frame, screens));
}

QPoint WhollyOnScreen(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty()) return frame.topLeft();
    const auto area = [&frame](const QRect& screen) {
        const QRect common = frame.intersected(screen);
        return int64_t(common.width()) * common.height();
    };
    const QRect& fullest = *std::max_element(
        screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) { return area(a) < area(b); });
    return MovedOnto(frame, area(fullest) > 0 ? fullest : NearestScreen(frame, screens));
}

}  // namespace zenphra::app
