// The explorer's state and rules without a window, driven as the window drives them: which controls are
// enabled in each thing it does, what Plot comes to, what makes the next Plot start a new image, the
// Julia mode, the panel's checks and Undo.
#include "app/explorer/explorer_session.h"

#include <mpfr.h>

#include <functional>
#include <tuple>

#include "app/common/exact_location.h"
#include "app/common/list_tables.h"
#include "app/common/valid_num.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

using Step = PlotOrder::Step;

class ExplorerSessionTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        session.Start(FractalParams{}, false, ImageHistory{});
    }

    // The panel as the window shows the session's parameters.
    PanelTexts Panel() const { return ShownPanel(session.Params(), PanelTexts{}); }
    PanelTexts PanelWith(PanelField field, const QString& text) const {
        PanelTexts panel = Panel();
        panel[field] = text;
        return panel;
    }

    // Plot, then the run as the runner reports it.
    PlotOrder PlotUntil(RunEnd end, int32_t stopRow = 0, PlotRequest request = PlotRequest::kPlot) {
        const PlotOrder order = session.Plot(Panel(), request);
        EXPECT_EQ(session.Doing(), Activity::kPlotting);
        session.RunInitialised(1);
        if (end == RunEnd::kPaused) session.PauseRequested();
        session.RunEnded(end, stopRow);
        return order;
    }

    ExplorerSession session{palette};
};

// The controls of each state, as a row of the enable table, then what the state shows.
std::vector<int> Row(const ControlStates& s) {
    std::vector<int> row{s.Plot,      s.LoadImage, s.LoadParam,    s.DefColors,  s.ModColors, s.Undo,
                         s.SaveImage, s.SaveParam, s.Zoom,         s.Switch,     s.Panel,     s.Resolutions,
                         s.Ranges,    s.SwCancel,  s.Pause,        s.Tutorial,   s.Exit,      s.Banding,
                         s.Wheel,     s.ZoomFrame, s.JuliaPreview, s.SwitchShown};
    row.push_back(static_cast<int>(s.Pointer));
    return row;
}

constexpr int kArrow = static_cast<int>(PicturePointer::kArrow);
constexpr int kCross = static_cast<int>(PicturePointer::kCrossHair);
constexpr int kBusy = static_cast<int>(PicturePointer::kBusy);

TEST_F(ExplorerSessionTest, TheEnableTableFollowsWhatTheWindowDoes) {
    // Plot LdI LdP DefC ModC Undo SvI SvP Zoom Sw Panel Res Rng SwC Pause Tut Exit Band Wheel
    //   ZoomFrame Preview SwitchShown Pointer
    EXPECT_EQ(Row(session.Controls()),
              (std::vector{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, kArrow}));

    ASSERT_EQ(session.Plot(Panel()).step, Step::kPanelRead);
    session.RunInitialised(1);
    const std::vector plotting{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, kArrow};
    EXPECT_EQ(Row(session.Controls()), plotting);
    // Paused, while the run finishes its row: still busy, but the tutorial may open.
    session.PauseRequested();
    EXPECT_EQ(Row(session.Controls()),
              (std::vector{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1, kArrow}));
    session.RunEnded(RunEnd::kPaused, 50);
    // A stopped image is the user's to go on with: the wheel leaves it alone.
    const std::vector idle{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 1, kArrow};
    EXPECT_EQ(Row(session.Controls()), idle);

    ASSERT_FALSE(session.ShowZoomBox(Panel()));
    EXPECT_EQ(Row(session.Controls()),
              (std::vector{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 1, 0, 1, kArrow}));
    session.CancelZoom();

    // Alt+C sets the default coordinates when idle: the pick's Cancel shares it and is enabled only
    // while a point is picked.
    ASSERT_FALSE(session.StartSwitch(Panel()));
    const std::vector picking{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, kCross};
    EXPECT_EQ(Row(session.Controls()), picking);
    session.CancelSwitch();
    EXPECT_EQ(Row(session.Controls()), idle);

    // A file command or the colour editor holds the window, the tutorial included.
    const std::vector held{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 1, kBusy};
    session.FileCommandStarted();
    EXPECT_EQ(Row(session.Controls()), held);
    session.FileCommandEnded();
    session.EditorOpened();
    std::vector editing = held;
    editing.back() = kArrow;
    EXPECT_EQ(Row(session.Controls()), editing);
    session.EditorClosed();

    session.TutorialShownChanged(true);
    EXPECT_EQ(Row(session.Controls()),
              (std::vector{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, kArrow}));
    session.TutorialShownChanged(false);

    // An image plotted to its end can be zoomed with the wheel.
    PlotUntil(RunEnd::kDone);
    EXPECT_TRUE(session.Controls().Wheel);

    // From a Julia set the switch is taken at once, with no preview.
    ASSERT_FALSE(session.StartSwitch(Panel()));
    session.TakeSwitch();
    ASSERT_TRUE(session.JuliaMode());
    ASSERT_FALSE(session.StartSwitch(Panel()));
    EXPECT_FALSE(session.Controls().JuliaPreview);
    EXPECT_EQ(session.Controls().Pointer, PicturePointer::kCrossHair);
}

// The things that shape an image. Each makes the next Plot read the panel and start a new image; while
// nothing of them happened, a stopped image goes on at its row without the panel being read.
TEST_F(ExplorerSessionTest, AStoppedImageResumesUnlessSomethingThatShapesItChanged) {
    const std::vector<std::pair<const char*, std::function<void()>>> nothing{
        {"the zoom box cancelled",
         [&] {
             ASSERT_FALSE(session.ShowZoomBox(Panel()));
             session.Box().MoveBy(QPointF(5, 0));
             session.Box().SetRatio(1.5);
             session.CancelZoom();
         }},
        {"a pick cancelled",
         [&] {
             ASSERT_FALSE(session.StartSwitch(Panel()));
             session.Pick().PickAt(QPointF(10, 10));
             session.CancelSwitch();
         }},
        {"a field left", [&] { session.FieldLeft(PanelField::kMaxIter, QStringLiteral("100")); }},
    };
    for (const auto& [change, make] : nothing) {
        session.Start(FractalParams{}, false, ImageHistory{});
        PlotUntil(RunEnd::kPaused, 50);
        const FractalParams before = session.Params();
        make();
        EXPECT_EQ(session.Params(), before) << change;
        // The panel is not read: a text that would fail its check does not stop the resumed run.
        EXPECT_EQ(session.Plot(PanelWith(PanelField::kCx, QString())).step, Step::kResume) << change;
        session.RunEnded(RunEnd::kDone, 0);
    }

    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"a field typed into", [&] { session.FieldEdited(); }},
        {"an equation", [&] { session.EquationChosen(ZENPHRA_EQN_LAMBDA); }},
        {"a rendering", [&] { session.RenderingChosen(ZENPHRA_REND_RINGS); }},
        {"a function", [&] { session.FunctionChosen(&FractalParams::Func2, 4); }},
        {"the ranges", [&] { session.RangesChosen(4); }},
        {"banding", [&] { session.BandingToggled(); }},
        {"a resolution", [&] { session.ResolutionChosen(240, 180); }},
        {"the default coordinates", [&] { session.DefaultCoordinatesChosen(); }},
        {"the zoom box applied",
         [&] {
             ASSERT_FALSE(session.ShowZoomBox(Panel()));
             session.ApplyZoom();
         }},
        {"banding while the box is shown",
         [&] {
             ASSERT_FALSE(session.ShowZoomBox(Panel()));
             session.BandingToggled();
             session.CancelZoom();
         }},
        {"an entry",
         [&] {
             session.EntryLoaded({FractalParams{}, ColorMap{}});
         }},
    };
    for (const auto& [change, make] : changes) {
        session.Start(FractalParams{}, false, ImageHistory{});
        PlotUntil(RunEnd::kPaused, 50);
        make();
        const PlotOrder order = session.Plot(Panel());
        EXPECT_EQ(order.step, Step::kPanelRead) << change;
        EXPECT_TRUE(order.newImage) << change;
        EXPECT_EQ(session.StartY(), 0) << change;
        session.RunEnded(RunEnd::kDone, 0);
    }

    // Escape in the first row leaves nothing to resume.
    PlotUntil(RunEnd::kEscaped, 0);
    EXPECT_TRUE(session.Plot(Panel()).newImage);
    session.RunEnded(RunEnd::kDone, 0);

    // After an Undo a stopped image still resumes, but the panel is read again first.
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    PlotUntil(RunEnd::kPaused, 50);
    EXPECT_EQ(session.Plot(PanelWith(PanelField::kCx, QString())).message, "Center Real is blank.");
    const PlotOrder resumed = session.Plot(Panel());
    EXPECT_EQ(resumed.step, Step::kPanelRead);
    EXPECT_FALSE(resumed.newImage);
    EXPECT_EQ(session.StartY(), 50);

    // Nothing while busy.
    EXPECT_EQ(session.Plot(Panel()).step, Step::kNothing);
    session.RunEnded(RunEnd::kDone, 0);
    session.FileCommandStarted();
    EXPECT_EQ(session.Plot(Panel()).step, Step::kNothing);
}

TEST_F(ExplorerSessionTest, TheJuliaModeStaysUntilTheSwitchAnEntryOrUndoChangesIt) {
    FractalParams lambda;
    lambda.EqnType = static_cast<int16_t>(ZENPHRA_EQN_LAMBDA + kJuliaOffset);
    lambda.JuliaReal = 0.25;
    session.Start(lambda, false, ImageHistory{});
    EXPECT_TRUE(session.JuliaMode());
    EXPECT_TRUE(session.Shown().Julia);

    // The list shows base equations: choosing one keeps the mode, the constant and the offset.
    session.EquationChosen(ZENPHRA_EQN_POKORNY);
    EXPECT_EQ(session.Params().EqnType, ZENPHRA_EQN_POKORNY + kJuliaOffset);
    PlotUntil(RunEnd::kDone);
    EXPECT_TRUE(session.JuliaMode());
    EXPECT_EQ(session.Params().EqnType, ZENPHRA_EQN_POKORNY + kJuliaOffset);
    EXPECT_EQ(session.Params().JuliaReal, 0.25);

    // An entry of a set.
    session.EntryLoaded({FractalParams{}, ColorMap{}});
    EXPECT_FALSE(session.JuliaMode());
    EXPECT_FALSE(session.Shown().Julia);
    PlotUntil(RunEnd::kDone);
    EXPECT_EQ(session.Params().EqnType, ZENPHRA_EQN_CLASSIC_MANDLEBROT);

    // Undo brings back the Julia set, and its mode.
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    EXPECT_TRUE(session.JuliaMode());
    EXPECT_EQ(session.Params().EqnType, ZENPHRA_EQN_POKORNY + kJuliaOffset);
}

TEST_F(ExplorerSessionTest, ChoicesShowTheirFieldsAndStartThem) {
    const std::vector<FieldStart> chebyshev = session.EquationChosen(ZENPHRA_EQN_CHEBYSHEV);
    ASSERT_EQ(chebyshev.size(), 1u);
    EXPECT_EQ(chebyshev[0].text, "5");
    EXPECT_EQ(session.Params().Parm3, 5.0);
    EXPECT_TRUE(session.Shown().P3);
    EXPECT_FALSE(session.Shown().P1);  // "Level Set" has no parameters

    session.FunctionChosen(&FractalParams::Func1, 7);
    const std::vector<FieldStart> angle = session.RenderingChosen(ZENPHRA_REND_ANGLE_FUNCTION_1);
    ASSERT_EQ(angle.size(), 2u);
    EXPECT_EQ(angle[0].text, "0.100");
    EXPECT_EQ(session.Params().Parm1, 0.1);
    EXPECT_EQ(session.Params().Parm2, 0.1);
    EXPECT_EQ(session.Params().Func1, 0);
    const PanelShown shown = session.Shown();
    EXPECT_TRUE(shown.P1 && shown.P2 && shown.Func1 && shown.Func2);

    // Plot reads each function from its own list, and 0 for a list the rendering hides.
    session.FunctionChosen(&FractalParams::Func1, 3);
    session.FunctionChosen(&FractalParams::Func2, 7);
    PlotUntil(RunEnd::kDone);
    EXPECT_EQ(session.Params().Func1, 3);
    EXPECT_EQ(session.Params().Func2, 7);

    EXPECT_TRUE(session.EquationChosen(ZENPHRA_EQN_LAMBDA).empty());
    EXPECT_FALSE(session.Shown().P3);
    EXPECT_EQ(session.RenderingChosen(ZENPHRA_REND_RINGS).size(), 1u);
    EXPECT_FALSE(session.Shown().P2 || session.Shown().Func1);
    PlotUntil(RunEnd::kDone);
    EXPECT_EQ(session.Params().Func1, 0);
    EXPECT_EQ(session.Params().Func2, 0);
}

// Every command that checks the panel (Plot, Zoom, the switch, the wheel, the saves) gives the first
// failing check's message, and nothing changes then: not even the values of the checks that passed.
TEST_F(ExplorerSessionTest, APanelCheckThatFailsGivesItsMessageAndChangesNothing) {
    const auto check = [this](PanelField field, const QString& text) {
        return session.CheckPanel(PanelWith(field, text)).value_or(QString());
    };
    EXPECT_EQ(check(PanelField::kCx, ""), "Center Real is blank.");
    EXPECT_EQ(check(PanelField::kMaxIter, ""), "Max Iters is blank.");
    EXPECT_EQ(check(PanelField::kCx, "0.5-"), "The value for Center Real is invalid.");
    EXPECT_EQ(check(PanelField::kCx, "   "), "The value for Center Real is invalid.");
    EXPECT_EQ(check(PanelField::kMagnify, "-"), "The value for Magnification is invalid.");
    EXPECT_EQ(check(PanelField::kMaxIter, "1.5"), "The value for Max. Iters is invalid.");
    // Hidden fields are not checked.
    EXPECT_EQ(check(PanelField::kP1, ""), "");
    EXPECT_EQ(check(PanelField::kJuliaX, "x"), "");

    // Blank checks come first, in the panel's reading order; the lists before the fields.
    PanelTexts panel = PanelWith(PanelField::kAngle, "1.2.3");
    panel[PanelField::kSkipIter] = "";
    EXPECT_EQ(session.CheckPanel(panel), "Skip Iters is blank.");
    panel.rendering.clear();
    EXPECT_EQ(session.CheckPanel(panel), "Rendering is blank.");

    // P1 passes and would be read, P2 fails: P1 keeps its value.
    session.RenderingChosen(ZENPHRA_REND_PETALS);
    PlotUntil(RunEnd::kDone);
    const FractalParams before = session.Params();
    panel = PanelWith(PanelField::kP1, "0.7");
    panel[PanelField::kP2] = "0.1.";
    EXPECT_EQ(session.Plot(panel).message, "The value for P2 is invalid.");
    EXPECT_EQ(session.WheelTurned(panel, QPointF(30, 20), 2.0), "The value for P2 is invalid.");
    EXPECT_EQ(session.ShowZoomBox(panel), "The value for P2 is invalid.");
    EXPECT_EQ(session.StartSwitch(panel), "The value for P2 is invalid.");
    EXPECT_EQ(session.Params(), before);
    EXPECT_TRUE(session.Idle());
    EXPECT_TRUE(session.ImageFinished());

    // Once they pass, the wheel zooms, and P1 is taken.
    panel[PanelField::kP2] = "0.1";
    EXPECT_FALSE(session.WheelTurned(panel, QPointF(30, 20), 2.0));
    EXPECT_EQ(session.Params().TotalMagnify, 2.0);
    EXPECT_LT(session.Params().PrevRealCenter, before.PrevRealCenter);
    EXPECT_EQ(session.Params().Parm1, 0.7);
    EXPECT_TRUE(session.Plot(Panel()).newImage);
}

// Undo swaps the two snapshots through Plot: the colours and the size come back, Banding stays, and the
// colour editor's two fixed colours are the restored image's.
TEST_F(ExplorerSessionTest, UndoSwapsTheImagesWithTheirColoursButNotBanding) {
    SetPaletteColor(palette, kMaxIterEntry, PackColor(10, 20, 30));
    PlotUntil(RunEnd::kDone);
    const FractalParams first = session.Params();
    const PaletteArrays firstPalette = palette;

    session.CustomSizeChosen(CustomResolution{1000, 750, "1000", "750"});
    session.FieldLeft(PanelField::kCx, QStringLiteral("0.25"));
    session.FieldLeft(PanelField::kMagnify, QStringLiteral("4"));
    SetPaletteColor(palette, 5, PackColor(200, 0, 0));  // as the colour editor sets it
    SetPaletteColor(palette, kMaxIterEntry, PackColor(40, 50, 60));
    PlotUntil(RunEnd::kDone);
    const FractalParams second = session.Params();
    const PaletteArrays secondPalette = palette;
    EXPECT_EQ(second.TotalMagnify, 4.0);
    EXPECT_EQ(session.Display().ImageFactor, 2);

    session.BandingToggled();
    EXPECT_TRUE(PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo).newImage);
    FractalParams expected = first;
    expected.Banding = 1;
    EXPECT_EQ(session.Params(), expected);
    EXPECT_EQ(palette, firstPalette);
    EXPECT_EQ(session.Display().ImageFactor, 1);
    EXPECT_EQ(session.Colors().MaxIterColor, PackColor(10, 20, 30));

    // A second Undo brings back the image the first one replaced.
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    expected = second;
    expected.Banding = 1;
    EXPECT_EQ(session.Params(), expected);
    EXPECT_EQ(palette, secondPalette);
    EXPECT_EQ(session.Colors().MaxIterColor, PackColor(40, 50, 60));

    // An Undo stopped and then resumed only becomes the shown image: Undo still goes back to the image
    // before it.
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    PlotUntil(RunEnd::kPaused, 50, PlotRequest::kUndo);
    EXPECT_EQ(session.Params(), expected);
    EXPECT_EQ(PlotUntil(RunEnd::kDone).step, Step::kPanelRead);
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    EXPECT_EQ(session.Params().PrevRealCenter, first.PrevRealCenter);
    EXPECT_EQ(session.Params().TotalMagnify, first.TotalMagnify);
}

TEST_F(ExplorerSessionTest, AWholeNumberTooLargeKeepsTheOldValueAndSaysSo) {
    EXPECT_FALSE(session.FieldLeft(PanelField::kMaxIter, "2147483647"));
    EXPECT_EQ(session.Params().MaxIters, 2147483647);
    EXPECT_EQ(session.FieldLeft(PanelField::kMaxIter, "2147483648"), "The value for Max. Iters is invalid.");
    EXPECT_EQ(session.Params().MaxIters, 2147483647);
    EXPECT_FALSE(session.FieldLeft(PanelField::kCx, "-0.75"));
    EXPECT_EQ(session.Params().PrevRealCenter, -0.75);
    EXPECT_EQ(Panel()[PanelField::kCx], "-0.75000000000000000000");
}

// A deep location stays in force through the panel, which shows and reads back its nearest doubles, and
// through Undo; a centre typed into the panel ends the part it changes.
// A deep location shows in full in the panel, goes through Plot as it is shown, keeps every digit typed
// beyond its doubles, and ends where a field moves its double; Undo brings it back.
TEST_F(ExplorerSessionTest, ADeepLocationShowsAndStaysInThePanelUntilItsFieldChanges) {
    const QString re = QStringLiteral("-1.4798157761324732607229845259787785469224072577404536968987851");
    const QString im = QStringLiteral("-0.0006391119326136172715213963225567157295730391894398473604739");
    FractalParams deep;
    deep.ExactRealCenter = re;
    deep.ExactImagCenter = im;
    deep.ExactMagnify = QStringLiteral("6.7500000000000000000000001e49");
    deep.PrevRealCenter = *ParseNumber(re);
    deep.PrevImagCenter = *ParseNumber(im);
    deep.TotalMagnify = 6.75e49;
    session.EntryLoaded({deep, ColorMap{}});
    ASSERT_EQ(PlotUntil(RunEnd::kDone).step, Step::kPanelRead);
    EXPECT_EQ(Panel()[PanelField::kCx], re);
    EXPECT_EQ(Panel()[PanelField::kCy], im);
    EXPECT_EQ(Panel()[PanelField::kMagnify], deep.ExactMagnify);
    EXPECT_EQ(session.Params(), deep);

    // Leaving a field as it shows changes nothing; digits typed beyond the double are kept.
    session.FieldLeft(PanelField::kCx, re);
    EXPECT_EQ(session.Params().ExactRealCenter, re);
    session.FieldLeft(PanelField::kCx, re + QStringLiteral("77"));
    EXPECT_EQ(session.Params().ExactRealCenter, re + QStringLiteral("77"));
    EXPECT_EQ(session.Params().PrevRealCenter, deep.PrevRealCenter);

    // A magnification's own double text keeps no exact part; large ones show in exponent form.
    struct Typed {
        const char* text;
        double magnify;
        const char* shown;
    };
    for (const Typed& typed :
         {Typed{"1e100", 1e100, "1e+100"}, Typed{"2.5E+45", 2.5e45, "2.5e+45"},
          Typed{"1000000000000000", 1e15, "1e+15"}, Typed{"1500", 1500.0, "1500.00000000000000000000"}}) {
        session.FieldLeft(PanelField::kMagnify, typed.text);
        EXPECT_EQ(session.Params().TotalMagnify, typed.magnify) << typed.text;
        EXPECT_TRUE(session.Params().ExactMagnify.isEmpty()) << typed.text;
        EXPECT_EQ(Panel()[PanelField::kMagnify], typed.shown) << typed.text;
    }
    for (const char* malformed : {"1e", "e5", "1e5.5", "+5", "1.5e+-3", "1e5e5"}) {
        EXPECT_EQ(session.CheckPanel(PanelWith(PanelField::kMagnify, malformed)),
                  QStringLiteral("The value for Magnification is invalid."))
            << malformed;
    }

    // A centre typed with fewer digits moves its double: the exact part ends, the other stays.
    session.FieldLeft(PanelField::kCx, QStringLiteral("-1.25"));
    PlotUntil(RunEnd::kDone);
    EXPECT_TRUE(session.Params().ExactRealCenter.isEmpty());
    EXPECT_EQ(session.Params().PrevRealCenter, -1.25);
    EXPECT_EQ(session.Params().ExactImagCenter, im);

    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    EXPECT_EQ(session.Params().ExactRealCenter, re);
    EXPECT_EQ(Panel()[PanelField::kCx], re);
}

// The plane point a display position of a 160 x 120 image shows, worked out directly in MPFR from the
// location in force: the image's centre plus the position's pixels from it times 3.6 / (M x 160).
struct ExactPoint {
    mpfr_t re, im;
    ExactPoint(const FractalParams& p, QPointF position) {
        mpfr_inits2(4000, re, im, step, static_cast<mpfr_ptr>(nullptr));
        const QString magnify = ExactPartText(p.ExactMagnify, p.TotalMagnify);
        mpfr_set_str(step, magnify.toLatin1().constData(), 10, MPFR_RNDN);
        mpfr_d_div(step, 3.6, step, MPFR_RNDN);
        mpfr_div_ui(step, step, 160, MPFR_RNDN);
        const auto at = [this](mpfr_t part, const QString& centre, double pixels) {
            mpfr_set_str(part, centre.toLatin1().constData(), 10, MPFR_RNDN);
            mpfr_t offset;
            mpfr_init2(offset, 4000);
            mpfr_mul_d(offset, step, pixels, MPFR_RNDN);
            mpfr_add(part, part, offset, MPFR_RNDN);
            mpfr_clear(offset);
        };
        at(re, ExactPartText(p.ExactRealCenter, p.PrevRealCenter), position.x() - 80.0);
        at(im, ExactPartText(p.ExactImagCenter, p.PrevImagCenter), 60.0 - position.y());
    }
    ~ExactPoint() { mpfr_clears(re, im, step, static_cast<mpfr_ptr>(nullptr)); }
    // How many pixels of `p`'s image lie between the two points, at most along either axis.
    double PixelsTo(const ExactPoint& other, const FractalParams& p) {
        mpfr_t gap;
        mpfr_init2(gap, 4000);
        double most = 0.0;
        for (const auto& [a, b] : {std::pair{re, other.re}, std::pair{im, other.im}}) {
            mpfr_sub(gap, a, b, MPFR_RNDN);
            mpfr_div(gap, gap, ExactPoint(p, QPointF(80, 60)).step, MPFR_RNDN);
            most = std::max(most, std::fabs(mpfr_get_d(gap, MPFR_RNDN)));
        }
        mpfr_clear(gap);
        return most;
    }
    mpfr_t step;
};

// At 1e60 the wheel and the zoom box move the location in full: the point under the pointer stays
// under it to a tiny part of a pixel, where doubles would not move the centre at all; the Julia pick
// takes the nearest double of the point it is on.
TEST_F(ExplorerSessionTest, AtDepthTheWheelTheBoxAndThePickKeepThePointUnderThePointer) {
    FractalParams deep;
    deep.ExactRealCenter = QStringLiteral("-1.4798157761324732607229845259787785469224072577404536968987851");
    deep.ExactImagCenter = QStringLiteral("-0.0006391119326136172715213963225567157295730391894398473604739");
    deep.ExactMagnify = QStringLiteral("1e60");
    deep.PrevRealCenter = *ParseNumber(deep.ExactRealCenter);
    deep.PrevImagCenter = *ParseNumber(deep.ExactImagCenter);
    deep.TotalMagnify = 1e60;
    session.EntryLoaded({deep, ColorMap{}});
    PlotUntil(RunEnd::kDone);

    struct Turn {
        QPointF position;
        double factor;
        const char* magnify;
    };
    for (const Turn& turn :
         {Turn{{30, 20}, 2.0, "2e+60"}, Turn{{150, 110}, 2.0, "4e+60"}, Turn{{81, 7}, 0.5, "2e+60"}}) {
        const FractalParams before = session.Params();
        const ExactPoint under(before, turn.position);
        ASSERT_FALSE(session.WheelTurned(Panel(), turn.position, turn.factor));
        const FractalParams& after = session.Params();
        EXPECT_EQ(after.ExactMagnify, turn.magnify);
        EXPECT_LT(ExactPoint(after, turn.position).PixelsTo(under, after), 1e-12);
        EXPECT_GT(ExactPoint(after, QPointF(80, 60)).PixelsTo(ExactPoint(before, QPointF(80, 60)), after),
                  1.0);
        EXPECT_TRUE(ExactPartInForce(after.ExactRealCenter, after.PrevRealCenter));
        PlotUntil(RunEnd::kDone);
    }

    // The box's centre becomes the image's centre.
    const FractalParams before = session.Params();
    ASSERT_FALSE(session.ShowZoomBox(Panel()));
    session.Box().MoveBy(QPointF(20, -20));
    const QPointF boxCentre = session.Box().Centre();
    ASSERT_NE(boxCentre, QPointF(80, 60));
    const ExactPoint target(before, boxCentre);
    session.ApplyZoom();
    EXPECT_LT(ExactPoint(session.Params(), QPointF(80, 60)).PixelsTo(target, session.Params()), 1e-12);

    // Undo goes back to the view before the box, exactly.
    PlotUntil(RunEnd::kDone);
    PlotUntil(RunEnd::kDone, 0, PlotRequest::kUndo);
    EXPECT_EQ(session.Params(), before);

    // A Julia constant picked at depth is the picked point's nearest double.
    ASSERT_FALSE(session.StartSwitch(Panel()));
    session.Pick().PickAt(QPointF(30, 20));
    EXPECT_TRUE(session.Pick().RoundedToDouble());
    const ExactPoint picked(before, QPointF(30, 20));
    EXPECT_EQ(session.Pick().Picked(),
              (PlanePoint{mpfr_get_d(picked.re, MPFR_RNDN), mpfr_get_d(picked.im, MPFR_RNDN)}));
}

}  // namespace
}  // namespace zenphra::app
