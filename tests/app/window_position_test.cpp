#include <gtest/gtest.h>

#include "app/shell/form_position.h"

namespace zenphra::app {
namespace {

const QRect kLaptop(0, 0, 1920, 1080);
const QRect kMonitorRight(1920, 0, 1280, 1024);
const QRect kDialog(300, 200, 400, 300);

TEST(WindowPositionTest, PositionsAreKeptOnlyAbove96PixelsPerInch) {
    EXPECT_FALSE(IsLargeFonts(96.0));
    EXPECT_TRUE(IsLargeFonts(97.0));
    EXPECT_TRUE(IsLargeFonts(120.0));
}

TEST(WindowPositionTest, PositionsAreStoredInTwipsAndComeBackAsThePixelsTheyWere) {
    const double twipsPerPixel = kTwipsInInch / 120.0;  // 12
    const FormPosition stored = ToTwips(QRect(100, -50, 400, 300), twipsPerPixel, twipsPerPixel);
    EXPECT_EQ(stored, (FormPosition{1200.0f, -600.0f, 4800.0f, 3600.0f}));
    EXPECT_EQ(ToPixels(stored, twipsPerPixel, twipsPerPixel), QRect(100, -50, 400, 300));
    // On a screen of another density the same place in inches is another number of pixels.
    EXPECT_EQ(ToPixels(stored, kTwipsInInch / 144.0, kTwipsInInch / 144.0), QRect(120, -60, 480, 360));
}

TEST(WindowPositionTest, AWindowThatCanBeTakenHoldOfStaysWhereItIs) {
    const QList<QRect> screens{kLaptop, kMonitorRight};
    EXPECT_EQ(KeepOnScreen(kDialog, screens), kDialog.topLeft());
    EXPECT_EQ(KeepOnScreen(kDialog.translated(2200, 100), screens), QPoint(2500, 300));  // second monitor
    // Across both monitors, and mostly off the right edge with its title bar's left end still there.
    EXPECT_EQ(KeepOnScreen(QRect(1700, 100, 400, 300), screens), QPoint(1700, 100));
    EXPECT_EQ(KeepOnScreen(QRect(3150, 100, 400, 300), screens), QPoint(3150, 100));
    // Below the right monitor's bottom, but still on the taller laptop screen.
    EXPECT_EQ(KeepOnScreen(QRect(1700, 1030, 400, 300), screens), QPoint(1700, 1030));
    // Nothing to move it onto: it stays.
    EXPECT_EQ(KeepOnScreen(QRect(-5000, -5000, 400, 300), {}), QPoint(-5000, -5000));
}

TEST(WindowPositionTest, AWindowOffEveryScreenIsMovedOntoTheNearestOne) {
    // Stored on a right-hand monitor that is gone: it comes up at the right edge of the laptop.
    EXPECT_EQ(KeepOnScreen(QRect(2500, 300, 400, 300), {kLaptop}), QPoint(1520, 300));
    // Far to the left of two screens: onto the left one; beyond the right one: onto that one.
    EXPECT_EQ(KeepOnScreen(QRect(-3000, 900, 400, 300), {kLaptop, kMonitorRight}), QPoint(0, 780));
    EXPECT_EQ(KeepOnScreen(QRect(6000, 100, 400, 300), {kLaptop, kMonitorRight}), QPoint(2800, 100));
    // A title bar above the screen or too close to its bottom cannot be taken hold of.
    EXPECT_EQ(KeepOnScreen(QRect(300, -10, 400, 300), {kLaptop}), QPoint(300, 0));
    EXPECT_EQ(KeepOnScreen(QRect(300, 1060, 400, 300), {kLaptop}), QPoint(300, 780));
    // Only a sliver of the title bar on the screen.
    EXPECT_EQ(KeepOnScreen(QRect(-390, 100, 400, 300), {kLaptop}), QPoint(0, 100));
    // The available area leaves out a panel at the top.
    EXPECT_EQ(KeepOnScreen(QRect(300, 5, 400, 300), {QRect(0, 28, 1920, 1052)}), QPoint(300, 28));
    // Larger than the screen: its top-left corner on the screen's, so the title bar is there.
    EXPECT_EQ(KeepOnScreen(QRect(-100, -100, 2000, 1200), {kLaptop}), QPoint(0, 0));
}

// A window the program places beside another (the colormap editor beside the main window) must be seen
// whole: it goes onto the screen that holds most of it, as near to its place as its size allows.
TEST(WindowPositionTest, AWindowPutBesideAnotherIsMovedWhollyOntoItsScreen) {
    const QList<QRect> screens{kLaptop, kMonitorRight};
    EXPECT_EQ(WhollyOnScreen(kDialog, screens), kDialog.topLeft());
    EXPECT_EQ(WhollyOnScreen(kDialog.translated(2200, 100), screens), QPoint(2500, 300));
    // Past the right edge of the only screen by 55 pixels, and past its bottom.
    EXPECT_EQ(WhollyOnScreen(QRect(1575, 200, 400, 300), {kLaptop}), QPoint(1520, 200));
    EXPECT_EQ(WhollyOnScreen(QRect(300, 900, 400, 300), {kLaptop}), QPoint(300, 780));
    // Across two monitors: onto the one that holds more of it (220 of its 400 columns here).
    EXPECT_EQ(WhollyOnScreen(QRect(1700, 100, 400, 300), screens), QPoint(1520, 100));
    EXPECT_EQ(WhollyOnScreen(QRect(1800, 100, 400, 300), screens), QPoint(1920, 100));
    // On no screen at all: onto the nearest; larger than the screen: its top-left corner there.
    EXPECT_EQ(WhollyOnScreen(QRect(2500, 300, 400, 300), {kLaptop}), QPoint(1520, 300));
    EXPECT_EQ(WhollyOnScreen(QRect(-100, -100, 2000, 1200), {kLaptop}), QPoint(0, 0));
    EXPECT_EQ(WhollyOnScreen(QRect(-5000, -5000, 400, 300), {}), QPoint(-5000, -5000));
}

}  // namespace
}  // namespace zenphra::app
