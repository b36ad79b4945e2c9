// Window positions between runs, kept in the settings store under the window's name. Positions are
// kept only on screens of more than 96 logical pixels per inch (large fonts), where windows do not come
// up where they were designed to; elsewhere nothing is written or restored. Positions are stored in
// twips (1440 to the inch), so a stored value does not depend on the screen's pixel density.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "app/shell/reg_settings.h"

namespace zenphra::app {

inline constexpr double kStandardPixelsPerInch = 96.0;
inline constexpr double kTwipsInInch = 1440.0;

// True on a screen of more than 96 logical pixels per inch.
bool IsLargeFonts(double logicalDpiX);

struct FormPosition {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    bool operator==(const FormPosition&) const = default;
};

// What every window needs to keep its position: the store and whether positions are kept at all.
struct WindowPositions {
    CRegSettings store;
    bool largeFonts = false;
};

// A window's frame in pixels as a stored position in twips, and back (rounded to whole pixels).
FormPosition ToTwips(const QRect& frame, double twipsPerPixelX, double twipsPerPixelY);
QRect ToPixels(const FormPosition& position, double twipsPerPixelX, double twipsPerPixelY);

void SaveFormPosition(const CRegSettings& store, const QString& windowName, const FormPosition& position,
                      bool largeFonts);

// The stored position, or nothing: without large fonts, when none was stored (no "Left" value), or
// when a stored value is not a number.
std::optional<FormPosition> RestoreFormPosition(const CRegSettings& store, const QString& windowName,
                                                bool largeFonts);

// Where a window with this frame comes up on the screens there are now (their available areas): where
// it is, when enough of its top edge lies on one of them to take hold of it by its title bar; otherwise
// moved the shortest way onto the screen nearest to it, as far as its size allows. So a window stored
// on a monitor that has since gone comes up on one that is there.
QPoint KeepOnScreen(const QRect& frame, const QList<QRect>& screens);

// Where a window that the program places itself (beside another) comes up whole: on the screen that
// holds most of it (the nearest screen when none does), moved the shortest way until all of it lies on
// that screen, as far as its size allows (a window larger than the screen has its top-left corner there).
QPoint WhollyOnScreen(const QRect& frame, const QList<QRect>& screens);

}  // namespace zenphra::app
