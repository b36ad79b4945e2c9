// The zoom box without a window: its shape and handles, how the mouse, the keys and the scroll bars
// change it, what Apply and Cancel make of the parameters, and the plane point of a display position,
// checked against what the plotting library plots there.
#include "app/explorer/zoom_box.h"

#include <set>
#include <vector>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/valid_num.h"
#include "app/explorer/explorer_session.h"
#include "app/explorer/plot_call.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ZoomBoxTest : public EngineTest {
  protected:
    // The box over an image of these parameters, 160 x 120 unless they say otherwise.
    void ShowBoxOver(const FractalParams& params) {
        session.Start(params, false, ImageHistory{});
        ASSERT_FALSE(session.ShowZoomBox(ShownPanel(params, PanelTexts{})));
    }
    void ShowBox() { ShowBoxOver(FractalParams{}); }

    ZoomBox& Box() { return session.Box(); }
    std::array<QPoint, 4> Corners() { return Box().Outline().corners; }
    const FractalParams& Params() const { return session.Params(); }

    ExplorerSession session{palette};
};

FractalParams Magnified(double magnify, double angle = 0.0) {
    FractalParams params;
    params.TotalMagnify = magnify;
    params.TotalAngleDeg = angle;
    return params;
}

using Box4 = std::array<QPoint, 4>;

TEST_F(ZoomBoxTest, ApplyRightAfterZoomDoublesTheMagnificationAndKeepsCentreAndAngle) {
    FractalParams params = Magnified(3.0, -45.25);
    params.PrevRealCenter = -0.743643887037151;
    params.PrevImagCenter = 0.13182590420533;
    ShowBoxOver(params);
    EXPECT_EQ(session.Doing(), Activity::kZoomBox);
    session.ApplyZoom();
    EXPECT_EQ(Params().PrevRealCenter, -0.743643887037151);
    EXPECT_EQ(Params().PrevImagCenter, 0.13182590420533);
    EXPECT_EQ(Params().TotalMagnify, 6.0);
    EXPECT_EQ(Params().TotalAngleDeg, -45.25);
    EXPECT_TRUE(session.Idle());
}

TEST_F(ZoomBoxTest, TheBoxKeepsThePicturesShapeAtEverySizeAndAngle) {
    ShowBox();
    // 160 x 120: half the diagonal of a box of half the picture's size is 0.5 x 80 / 0.8.
    EXPECT_DOUBLE_EQ(Box().HalfDiagonal(), 50.0);
    EXPECT_EQ(Corners(), (Box4{QPoint(40, 30), QPoint(120, 30), QPoint(120, 90), QPoint(40, 90)}));
    EXPECT_EQ(Box().Outline().sizeHandle, QPoint(80, 90));
    EXPECT_EQ(Box().Outline().turnHandle, QPoint(120, 30));

    Box().SetRatio(1.0);
    EXPECT_EQ(Corners(), (Box4{QPoint(0, 0), QPoint(160, 0), QPoint(160, 120), QPoint(0, 120)}));

    // A positive angle turns the box counter-clockwise: its top-left corner goes to the bottom left.
    Box().SetRatio(0.5);
    Box().SetAngle(90);
    EXPECT_EQ(Corners(), (Box4{QPoint(50, 100), QPoint(50, 20), QPoint(110, 20), QPoint(110, 100)}));

    // Another shape of picture, after the size changed: the tables follow it.
    session.CancelZoom();
    session.CustomSizeChosen(CustomResolution{320, 120, "320", "120"});
    ASSERT_FALSE(session.ShowZoomBox(ShownPanel(Params(), PanelTexts{})));
    EXPECT_EQ(Corners(), (Box4{QPoint(80, 30), QPoint(240, 30), QPoint(240, 90), QPoint(80, 90)}));
}

TEST_F(ZoomBoxTest, TheAngleWrapsAtAHalfTurnAndApplyBringsTheImagesAngleIntoRange) {
    ShowBoxOver(Magnified(1.0, 170.0));
    // To the right (the turn handle dragged, or Shift+Right) the box turns clockwise.
    Box().SetAngle(-179);
    Box().TurnBy(1);
    EXPECT_EQ(Box().Angle(), 180);  // -180 is never passed: it wraps to 180
    Box().TurnBy(-1);
    EXPECT_EQ(Box().Angle(), -180);
    Box().TurnBy(1);
    EXPECT_EQ(Box().Angle(), 180);
    Box().TurnBy(-200);
    EXPECT_EQ(Box().Angle(), -180);

    Box().SetAngle(20);
    EXPECT_EQ(Box().AngleText(), "190.00000000000000000000");
    session.ApplyZoom();
    EXPECT_EQ(Params().TotalAngleDeg, -170.0);

    for (const auto& [degrees, normalised] : std::vector<std::pair<double, double>>{{-190, 170},
                                                                                    {-180, 180},
                                                                                    {180, 180},
                                                                                    {0, 0},
                                                                                    {360, 0},
                                                                                    {540, 180},
                                                                                    {1000, -80},
                                                                                    {-725.5, -5.5}}) {
        EXPECT_EQ(NormalisedAngle(degrees), normalised) << degrees;
    }
}

TEST_F(ZoomBoxTest, MovingTheBoxMovesThePlaneCentreByThePlaneStep) {
    ShowBoxOver(Magnified(2.5));
    const double step = 3.6 / 2.5 / 160;

    // Up ten pixels by key: the imaginary part rises by ten steps, the real part stays.
    Box().MoveBy(QPointF(0, -10));
    EXPECT_NEAR(Box().PlaneCentre().imag, 10 * step, 1e-15);
    EXPECT_NEAR(Box().PlaneCentre().real, -0.5, 1e-15);

    // Then by mouse: the centre is grabbed off its middle and dragged four pixels left.
    const QPoint grab = Box().Centre().toPoint() + QPoint(3, 2);
    EXPECT_EQ(Box().HoverAt(grab, false), ZoomHandle::kCentre);
    Box().Press(grab);
    EXPECT_EQ(Box().DragTo(grab + QPoint(-4, 0)), std::nullopt);
    EXPECT_EQ(Box().Centre(), QPointF(76, 50));
    EXPECT_NEAR(Box().PlaneCentre().real, -0.5 - 4 * step, 1e-15);
    EXPECT_EQ(Box().Release(), std::nullopt);

    session.ApplyZoom();
    EXPECT_NEAR(Params().PrevRealCenter, -0.5 - 4 * step, 1e-15);
    EXPECT_NEAR(Params().PrevImagCenter, 10 * step, 1e-15);
    EXPECT_EQ(Params().TotalMagnify, 5.0);
}

TEST_F(ZoomBoxTest, HandlesAreFoundNearTheirMarkersAndDraggedByThePointersMoves) {
    ShowBoxOver(Magnified(2.0));
    EXPECT_EQ(Box().HoverAt(QPoint(82, 92), false), ZoomHandle::kSize);
    EXPECT_EQ(Box().HoverAt(QPoint(118, 27), false), ZoomHandle::kTurn);
    EXPECT_EQ(Box().HoverAt(QPoint(84, 90), false), ZoomHandle::kNone);  // 4 pixels off, outside 0.6 R
    EXPECT_EQ(Box().HoverAt(QPoint(95, 70), false), ZoomHandle::kCentre);
    EXPECT_EQ(Box().HoverAt(QPoint(95, 70), true), ZoomHandle::kNone);  // a press made elsewhere
    Box().Press(QPoint(95, 70));
    EXPECT_EQ(Box().Dragged(), ZoomHandle::kNone);
    EXPECT_EQ(Box().DragTo(QPoint(20, 20)), std::nullopt);
    EXPECT_EQ(Box().Centre(), QPointF(80, 60));
    Box().Release();

    // Sizing: every move down grows the box by 0.02, any other move shrinks it; near the picture's
    // bottom edge the pointer goes back to the box's centre.
    EXPECT_EQ(Box().HoverAt(QPoint(80, 90), false), ZoomHandle::kSize);
    Box().Press(QPoint(80, 90));
    EXPECT_TRUE(Box().Outline().dragged == ZoomHandle::kSize);
    Box().DragTo(QPoint(80, 95));
    EXPECT_DOUBLE_EQ(Box().Ratio(), 0.52);
    EXPECT_EQ(Box().MagnifyText(), FormatNum(2.0 / 0.52, 20));
    Box().DragTo(QPoint(90, 95));
    EXPECT_DOUBLE_EQ(Box().Ratio(), 0.50);
    EXPECT_EQ(Box().DragTo(QPoint(80, 116)), QPoint(80, 60));
    EXPECT_DOUBLE_EQ(Box().Ratio(), 0.52);
    EXPECT_EQ(Box().Release(), Box().Outline().sizeHandle);
    EXPECT_EQ(Box().Outline().dragged, ZoomHandle::kNone);

    // Turning: the angle goes against the pointer's moves along x, with the same edge rule.
    EXPECT_EQ(Box().HoverAt(Box().Outline().turnHandle, false), ZoomHandle::kTurn);
    Box().Press(Box().Outline().turnHandle);
    Box().DragTo(Box().Outline().turnHandle + QPoint(-25, 3));
    EXPECT_EQ(Box().Angle(), 25);
    EXPECT_EQ(Box().DragTo(QPoint(157, 30)), QPoint(80, 60));
    EXPECT_EQ(Box().Angle(), 25 - (157 - 80));
    EXPECT_EQ(Box().Release(), Box().Outline().turnHandle);

    // The ratio stays within 0.1 and 3.0.
    Box().SetRatio(2.995);
    Box().ResizeBy(0.01);
    EXPECT_EQ(Box().Ratio(), 3.0);
    Box().SetRatio(0.105);
    Box().ResizeBy(-0.01);
    EXPECT_EQ(Box().Ratio(), 0.1);
}

TEST_F(ZoomBoxTest, TheInsideOfTheBoxFollowsItsTurn) {
    ShowBox();
    EXPECT_TRUE(Box().Contains(QPoint(80, 60)));
    EXPECT_TRUE(Box().Contains(QPoint(41, 31)));
    EXPECT_FALSE(Box().Contains(QPoint(39, 60)));
    EXPECT_FALSE(Box().Contains(QPoint(80, 95)));
    Box().SetAngle(45);
    EXPECT_FALSE(Box().Contains(QPoint(41, 31)));
    EXPECT_TRUE(Box().Contains(QPoint(80, 100)));
}

TEST_F(ZoomBoxTest, CancelPutsTheParametersBack) {
    ShowBoxOver(Magnified(8.0, 12.5));
    const FractalParams before = Params();
    Box().MoveBy(QPointF(13, -7));
    Box().SetRatio(1.7);
    Box().SetAngle(-33);
    session.CancelZoom();
    EXPECT_EQ(Params(), before);
    EXPECT_TRUE(session.Idle());
}

// The plane point of a display position is where the library plotted the pixel shown there: an image
// centred on that point is the first one shifted so that the position comes to the centre.
class PlanePointTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ApplyColormap(ColorMap{}, 8);
        SetPaletteColor(palette, kMaxIterEntry, PackColor(255, 255, 255));
        SetPaletteColor(palette, kBackgroundEntry, PackColor(1, 2, 3));
    }
    void TearDown() override {
        Engine().DllCleanup();
        EngineTest::TearDown();
    }

    // The library's display bitmap, copied.
    struct Shown {
        int32_t width = 0, height = 0, stride = 0;
        std::vector<uint8_t> bits;

        bool Contains(QPoint pixel) const {
            return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < width && pixel.y() < height;
        }
        size_t Colours() const {
            std::set<uint32_t> colours;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) colours.insert(Pixel(QPoint(x, y)));
            }
            return colours.size();
        }
        uint32_t Pixel(QPoint pixel) const {
            const uint8_t* bgr = &bits[static_cast<size_t>(pixel.y() * stride + 3 * pixel.x())];
            return bgr[0] | bgr[1] << 8 | bgr[2] << 16;
        }
    };

    static Shown Plotted(const FractalParams& params) {
        const DisplayFactor factor = ComputeDisplayFactor(params.HorRes, params.VertRes);
        int32_t bitmap = InitPlotWith(params, 0, factor.ImageFactor);
        for (int32_t row = 0; row < params.VertRes; ++row) bitmap = Engine().PlotFractal(row);
        Shown shown;
        uint8_t* bits = nullptr;
        if (Engine().GetBitmapInfo(bitmap, &shown.width, &shown.height, &shown.stride, &bits) == 0) return {};
        shown.bits.assign(bits, bits + static_cast<size_t>(shown.stride * shown.height));
        return shown;
    }

    // Plots the image, and again centred on the plane point of `position`; the shown pixels they share
    // must be alike. Returns how many differed.
    static int ShiftedPixelsDiffering(const FractalParams& params, QPoint position) {
        const DisplayFactor factor = ComputeDisplayFactor(params.HorRes, params.VertRes);
        const Shown image = Plotted(params);
        const PlanePoint point = PictureGeometry(params, factor).PlanePointAt(position);
        FractalParams centred = params;
        centred.PrevRealCenter = point.real;
        centred.PrevImagCenter = point.imag;
        const Shown shifted = Plotted(centred);
        EXPECT_FALSE(image.bits.empty() || shifted.bits.empty());
        EXPECT_GT(image.Colours(), 50u);  // a view with much to see, so that a shift shows
        const QPoint shift = position - QPoint(params.HorRes, params.VertRes) / (2 * factor.ImageFactor);
        int differing = 0;
        for (int y = 0; y < shifted.height; ++y) {
            for (int x = 0; x < shifted.width; ++x) {
                const QPoint source = QPoint(x, y) + shift;
                if (image.Contains(source) && shifted.Pixel(QPoint(x, y)) != image.Pixel(source)) ++differing;
            }
        }
        return differing;
    }
};

// A view turned and magnified, shown whole.
FractalParams RotatedView() {
    FractalParams params;
    params.HorRes = 320;
    params.VertRes = 240;
    params.MaxIters = 300;
    params.PrevRealCenter = -0.745;
    params.PrevImagCenter = 0.11;
    params.TotalMagnify = 40.0;
    params.TotalAngleDeg = 33.0;
    return params;
}

// A view shown reduced by four.
FractalParams ReducedView() {
    FractalParams params;
    params.HorRes = 1600;
    params.VertRes = 1200;
    params.PrevRealCenter = -0.75;
    params.PrevImagCenter = 0.1;
    params.TotalMagnify = 6.0;
    params.TotalAngleDeg = -20.0;
    return params;
}

TEST_F(PlanePointTest, ARotatedMagnifiedViewShowsAtEachPositionThePointPlottedThere) {
    EXPECT_EQ(ShiftedPixelsDiffering(RotatedView(), QPoint(211, 87)), 0);
    EXPECT_EQ(ShiftedPixelsDiffering(RotatedView(), QPoint(40, 200)), 0);
}

TEST_F(PlanePointTest, AReducedViewShowsAtEachPositionThePointPlottedThere) {
    EXPECT_EQ(ShiftedPixelsDiffering(ReducedView(), QPoint(273, 71)), 0);
}

// A wheel step keeps the plane point under the pointer there: the zoomed image shows at that position the
// point the first showed, and the library plotted it there.
TEST_F(PlanePointTest, AWheelStepKeepsThePointUnderThePointer) {
    for (const auto& [params, position] :
         {std::pair(RotatedView(), QPoint(211, 87)), std::pair(ReducedView(), QPoint(273, 71))}) {
        const DisplayFactor shown = ComputeDisplayFactor(params.HorRes, params.VertRes);
        const PlanePoint before = PictureGeometry(params, shown).PlanePointAt(position);
        for (const double factor : {2.0, 0.5, 1.25}) {
            FractalParams zoomed = params;
            LookAt(ZoomedAbout(params, shown, position, factor), zoomed);
            EXPECT_EQ(zoomed.TotalMagnify, params.TotalMagnify * factor);
            EXPECT_EQ(zoomed.TotalAngleDeg, params.TotalAngleDeg);
            const PlanePoint after = PictureGeometry(zoomed, shown).PlanePointAt(position);
            const double pixel = 3.6 / zoomed.TotalMagnify / zoomed.HorRes;
            EXPECT_NEAR(after.real, before.real, pixel * 1e-6);
            EXPECT_NEAR(after.imag, before.imag, pixel * 1e-6);
        }
        FractalParams zoomed = params;
        LookAt(ZoomedAbout(params, shown, position, 2.0), zoomed);
        EXPECT_EQ(ShiftedPixelsDiffering(zoomed, position), 0);
    }
}

}  // namespace
}  // namespace zenphra::app
