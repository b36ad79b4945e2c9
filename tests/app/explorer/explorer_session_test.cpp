// The explorer's state and rules without a window: which controls are enabled, what makes the next Plot
// start a new image, the Julia mode, and the panel's checks and reading.
#include "app/explorer/explorer_session.h"

#include <tuple>

#include "app/common/list_tables.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ExplorerSessionTest : public EngineTest {
  protected:
    ExplorerSession session{palette};

    // The panel as ShowParams leaves it for the session's parameters.
    PanelTexts ShownTexts() const {
        PanelTexts texts;
        const FractalParams& params = session.params;
        texts.equationPosition = EquationPosition(params.BaseEquation());
        texts.renderingPosition = RenderingPosition(params.Rendering);
        texts.equation = EquationCaptions()[texts.equationPosition];
        texts.rendering = RenderingCaptions()[texts.renderingPosition];
        texts.func1Position = params.Func1;
        texts.func2Position = params.Func2;
        texts.func1 = FunctionCaptions()[params.Func1];
        texts.func2 = FunctionCaptions()[params.Func2];
        for (int index = 0; index < kPanelFieldCount; ++index) {
            const auto field = static_cast<PanelField>(index);
            texts[field] = FieldText(field, params);
        }
        return texts;
    }
};

// The controls of each state, as a row of the enable table.
std::vector<bool> Row(const ControlStates& s) {
    return {s.Plot,      s.LoadImage, s.LoadParam, s.DefColors, s.ModColors, s.Undo,
            s.SaveImage, s.SaveParam, s.Zoom,      s.Switch,    s.Panel,     s.Resolutions,
            s.Ranges,    s.SwCancel,  s.Pause,     s.Tutorial,  s.Exit,      s.Banding};
}

TEST_F(ExplorerSessionTest, TheEnableTableFollowsTheState) {
    // Plot LdI LdP DefC ModC Undo SvI SvP Zoom Sw Panel Res Rng SwC Pause Tut Exit Band
    const std::vector<bool> idleWithoutImage{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 1, 1};
    EXPECT_EQ(Row(session.Controls()), idleWithoutImage);

    session.ImagePresent = true;
    const std::vector<bool> idle{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1};
    EXPECT_EQ(Row(session.Controls()), idle);

    session.RunStarting();
    const std::vector<bool> plotting{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0};
    EXPECT_EQ(Row(session.Controls()), plotting);

    // Paused, while the run finishes its row: still busy, but the tutorial may open.
    session.PauseRequested();
    const std::vector<bool> stopping{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0};
    EXPECT_EQ(Row(session.Controls()), stopping);
    session.RunEnded(RunEnd::kPaused, 50);
    EXPECT_EQ(Row(session.Controls()), idle);

    session.flags.ZoomMode = true;
    const std::vector<bool> zooming{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1};
    EXPECT_EQ(Row(session.Controls()), zooming);
    session.flags.ZoomMode = false;

    // Alt+C sets the default coordinates when idle: the pick's Cancel shares it and is enabled only
    // while a point is picked.
    session.flags.SwitchMode = true;
    const std::vector<bool> picking{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(Row(session.Controls()), picking);
    session.flags.SwitchMode = false;

    // A file command or the colour editor holds the window, the tutorial included.
    const std::vector<bool> command{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    session.flags.FileBusy = true;
    EXPECT_EQ(Row(session.Controls()), command);
    session.flags.FileBusy = false;
    session.flags.EditorOpen = true;
    EXPECT_EQ(Row(session.Controls()), command);
    session.flags.EditorOpen = false;

    session.flags.TutorialShown = true;
    const std::vector<bool> tutorial{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1};
    EXPECT_EQ(Row(session.Controls()), tutorial);
}

TEST_F(ExplorerSessionTest, TheZoomFrameThePreviewAndThePointerFollowTheState) {
    const auto shown = [this] {
        const ControlStates states = session.Controls();
        return std::tuple{states.ZoomFrame, states.JuliaPreview, states.SwitchShown, states.Pointer};
    };
    EXPECT_EQ(shown(), std::tuple(false, false, true, PicturePointer::kArrow));
    session.flags.ZoomMode = true;
    EXPECT_EQ(shown(), std::tuple(true, false, true, PicturePointer::kArrow));
    session.flags.ZoomMode = false;
    session.flags.SwitchMode = true;
    EXPECT_EQ(shown(), std::tuple(false, true, false, PicturePointer::kCrossHair));
    // From a Julia set the switch is taken at once, with no preview.
    session.JuliaMode = true;
    EXPECT_EQ(shown(), std::tuple(false, false, false, PicturePointer::kCrossHair));
    session.flags.SwitchMode = false;
    session.flags.FileBusy = true;
    EXPECT_EQ(shown(), std::tuple(false, false, true, PicturePointer::kBusy));
}

TEST_F(ExplorerSessionTest, EditsStartANewImageUnlessTheWindowFillsThePanelOrThePickWritesIt) {
    const auto stoppedAt = [this](int32_t row) {
        session.RunStarting();
        session.RunEnded(RunEnd::kPaused, row);
        return session.PlotKind();
    };
    EXPECT_EQ(stoppedAt(50), PlotStart::kResume);
    EXPECT_EQ(session.StartY, 50);

    session.FieldEdited(PanelField::kMaxIter);
    EXPECT_EQ(session.PlotKind(), PlotStart::kReadPanel);

    stoppedAt(50);
    session.flags.Loading = true;
    session.FieldEdited(PanelField::kMaxIter);
    EXPECT_FALSE(session.EquationChosen(ZENPHRA_EQN_LAMBDA));
    EXPECT_FALSE(session.RenderingChosen(ZENPHRA_REND_RINGS));
    session.FunctionChosen(&FractalParams::Func1, 3);
    EXPECT_EQ(session.StartY, 50);
    EXPECT_EQ(session.params.EqnType, ZENPHRA_EQN_CLASSIC_MANDLEBROT);
    session.flags.Loading = false;

    // While a Julia point is picked the pick writes the centre and the Julia constant.
    session.flags.SwitchMode = true;
    for (const PanelField field :
         {PanelField::kCx, PanelField::kCy, PanelField::kJuliaX, PanelField::kJuliaY}) {
        session.FieldEdited(field);
    }
    EXPECT_EQ(session.StartY, 50);
    session.FieldEdited(PanelField::kMagnify);
    EXPECT_EQ(session.StartY, 0);
    session.flags.SwitchMode = false;

    stoppedAt(50);
    session.FunctionChosen(&FractalParams::Func2, 4);
    EXPECT_EQ(session.StartY, 0);
    stoppedAt(50);
    session.SetRanges(4);
    EXPECT_EQ(session.StartY, 0);
    stoppedAt(50);
    session.ForgetImage();
    EXPECT_EQ(session.StartY, 0);

    // Escape in the first row leaves nothing to resume; a finished image starts again.
    EXPECT_EQ(stoppedAt(0), PlotStart::kReadPanel);
    session.RunStarting();
    session.RunEnded(RunEnd::kDone, 0);
    EXPECT_EQ(session.StartY, 0);

    // After an Undo a stopped image still resumes, but the panel is read again first.
    stoppedAt(50);
    session.flags.NewPlot = true;
    EXPECT_EQ(session.PlotKind(), PlotStart::kReadPanel);
    session.TakePlotSnapshots();
    EXPECT_EQ(session.StartY, 50);

    session.flags.FileBusy = true;
    EXPECT_EQ(session.PlotKind(), PlotStart::kNothing);
}

TEST_F(ExplorerSessionTest, JuliaModeIsKeptAsDataAndPlotAddsItsOffset) {
    session.params.EqnType = static_cast<int16_t>(ZENPHRA_EQN_LAMBDA + kJuliaOffset);
    session.params.JuliaReal = 0.25;
    session.ParamsShown();
    EXPECT_TRUE(session.JuliaMode);
    EXPECT_TRUE(session.Shown().Julia);

    // The list shows base equations: choosing one drops the offset, the mode stays.
    ASSERT_TRUE(session.EquationChosen(ZENPHRA_EQN_POKORNY));
    EXPECT_EQ(session.params.EqnType, ZENPHRA_EQN_POKORNY);
    EXPECT_TRUE(session.Shown().Julia);

    PanelTexts texts = ShownTexts();
    ASSERT_FALSE(CheckPanel(texts, session.Shown(), session.params));
    ReadPanel(texts, session.Shown(), session.JuliaMode, session.params);
    EXPECT_EQ(session.params.EqnType, ZENPHRA_EQN_POKORNY + kJuliaOffset);
    EXPECT_EQ(session.params.JuliaReal, 0.25);

    session.params.EqnType = ZENPHRA_EQN_POKORNY;
    session.ParamsShown();
    EXPECT_FALSE(session.JuliaMode);
    ReadPanel(ShownTexts(), session.Shown(), session.JuliaMode, session.params);
    EXPECT_EQ(session.params.EqnType, ZENPHRA_EQN_POKORNY);
}

TEST_F(ExplorerSessionTest, ChoicesShowTheirFieldsAndStartThem) {
    const std::optional<std::vector<FieldStart>> chebyshev = session.EquationChosen(ZENPHRA_EQN_CHEBYSHEV);
    ASSERT_TRUE(chebyshev);
    ASSERT_EQ(chebyshev->size(), 1u);
    EXPECT_EQ((*chebyshev)[0].text, "5");
    EXPECT_EQ(session.params.Parm3, 5.0);
    EXPECT_TRUE(session.Shown().P3);
    EXPECT_FALSE(session.Shown().P1);  // "Level Set" has no parameters

    session.params.Func1 = 7;
    const auto angle = session.RenderingChosen(ZENPHRA_REND_ANGLE_FUNCTION_1);
    ASSERT_TRUE(angle);
    ASSERT_EQ(angle->size(), 2u);
    EXPECT_EQ((*angle)[0].text, "0.100");
    EXPECT_EQ(session.params.Parm1, 0.1);
    EXPECT_EQ(session.params.Parm2, 0.1);
    EXPECT_EQ(session.params.Func1, 0);
    const PanelShown shown = session.Shown();
    EXPECT_TRUE(shown.P1 && shown.P2 && shown.Func1 && shown.Func2);

    EXPECT_TRUE(session.EquationChosen(ZENPHRA_EQN_LAMBDA)->empty());
    EXPECT_FALSE(session.Shown().P3);
    const auto rings = session.RenderingChosen(ZENPHRA_REND_RINGS);
    EXPECT_EQ(rings->size(), 1u);
    EXPECT_FALSE(session.Shown().P2 || session.Shown().Func1);
}

TEST_F(ExplorerSessionTest, PlotReadsEachFunctionFromItsOwnListAndZeroForAHiddenOne) {
    session.params.Rendering = ZENPHRA_REND_ANGLE_FUNCTION_1;
    PanelTexts texts = ShownTexts();
    texts.func1Position = 3;
    texts.func2Position = 7;
    ReadPanel(texts, session.Shown(), false, session.params);
    EXPECT_EQ(session.params.Func1, 3);
    EXPECT_EQ(session.params.Func2, 7);

    session.params.Rendering = ZENPHRA_REND_RINGS;
    ReadPanel(texts, session.Shown(), false, session.params);
    EXPECT_EQ(session.params.Func1, 0);
    EXPECT_EQ(session.params.Func2, 0);
}

TEST_F(ExplorerSessionTest, PanelChecksGiveTheFirstFailingFieldsMessage) {
    const auto check = [this](PanelField field, const QString& text) {
        PanelTexts texts = ShownTexts();
        texts[field] = text;
        return CheckPanel(texts, session.Shown(), session.params).value_or(QString());
    };
    EXPECT_EQ(check(PanelField::kCx, ""), "Center Real is blank.");
    EXPECT_EQ(check(PanelField::kMaxIter, ""), "Max Iters is blank.");
    EXPECT_EQ(check(PanelField::kCx, "0.5-"), "The value for Center Real is invalid.");
    EXPECT_EQ(check(PanelField::kCx, "   "), "The value for Center Real is invalid.");
    EXPECT_EQ(check(PanelField::kMagnify, "-2"), "The value for Magnification is invalid.");
    EXPECT_EQ(check(PanelField::kMaxIter, "1.5"), "The value for Max. Iters is invalid.");
    // Hidden fields are not checked.
    EXPECT_EQ(check(PanelField::kP1, ""), "");
    EXPECT_EQ(check(PanelField::kJuliaX, "x"), "");

    // Blank checks come first, in the panel's reading order; the lists before the fields.
    PanelTexts texts = ShownTexts();
    texts[PanelField::kAngle] = "1.2.3";
    texts[PanelField::kSkipIter] = "";
    EXPECT_EQ(CheckPanel(texts, session.Shown(), session.params), "Skip Iters is blank.");
    texts.rendering.clear();
    EXPECT_EQ(CheckPanel(texts, session.Shown(), session.params), "Rendering is blank.");
}

// Undo swaps the two snapshots through Plot: the colours and the custom size come back, Banding stays,
// and the colour editor's two fixed colours are the restored image's.
TEST_F(ExplorerSessionTest, UndoSwapsTheImagesWithTheirColoursButNotBanding) {
    FractalParams& params = session.params;
    const auto plotNew = [this] {
        session.TakePlotSnapshots();
        session.RunStarting();
        session.RunEnded(RunEnd::kDone, 0);
    };
    const auto undo = [this] {
        session.flags.UndoRequested = true;
        session.TakePlotSnapshots();
        EXPECT_FALSE(session.flags.UndoRequested);
        EXPECT_TRUE(session.flags.NewPlot);
        EXPECT_EQ(session.StartY, 0);
    };
    const PackedColor firstMaxIter = PackColor(10, 20, 30);
    SetPaletteColor(palette, kMaxIterEntry, firstMaxIter);
    SetPaletteColor(palette, kBackgroundEntry, PackColor(1, 2, 3));
    session.colors.MaxIterColor = firstMaxIter;
    plotNew();
    const FractalParams first = params;
    const PaletteArrays firstPalette = palette;

    params.PrevRealCenter = 0.25;
    params.TotalMagnify = 4.0;
    params.HorRes = 1000;
    params.VertRes = 750;
    params.CustomHres = "1000";
    params.CustomVres = "750";
    SetPaletteColor(palette, 5, PackColor(200, 0, 0));
    SetPaletteColor(palette, kMaxIterEntry, PackColor(40, 50, 60));
    SetPaletteColor(palette, kBackgroundEntry, PackColor(70, 80, 90));
    session.colors.MaxIterColor = PackColor(40, 50, 60);
    plotNew();
    const FractalParams second = params;
    const PaletteArrays secondPalette = palette;

    params.Banding = 1;
    undo();
    FractalParams expected = first;
    expected.Banding = 1;
    EXPECT_EQ(params, expected);
    EXPECT_EQ(palette, firstPalette);
    EXPECT_EQ(session.colors.MaxIterColor, firstMaxIter);
    EXPECT_EQ(session.colors.BgColor, PackColor(1, 2, 3));

    // A second Undo brings back the image the first one replaced.
    undo();
    expected = second;
    expected.Banding = 1;
    EXPECT_EQ(params, expected);
    EXPECT_EQ(palette, secondPalette);
    EXPECT_EQ(session.colors.BgColor, PackColor(70, 80, 90));

    // A stopped image resumed after an Undo only becomes the shown one: Undo still goes back to the
    // image before it.
    session.RunStarting();
    session.RunEnded(RunEnd::kPaused, 50);
    params.MaxIters = 300;
    session.TakePlotSnapshots();
    EXPECT_EQ(session.StartY, 50);
    undo();
    EXPECT_EQ(params.PrevRealCenter, first.PrevRealCenter);
    EXPECT_EQ(params.MaxIters, first.MaxIters);
    undo();
    EXPECT_EQ(params.MaxIters, 300);
}

TEST_F(ExplorerSessionTest, AWholeNumberTooLargeKeepsTheOldValueAndSaysSo) {
    EXPECT_FALSE(StoreFieldText(PanelField::kMaxIter, "2147483647", session.params));
    EXPECT_EQ(session.params.MaxIters, 2147483647);
    EXPECT_EQ(StoreFieldText(PanelField::kMaxIter, "2147483648", session.params),
              "The value for Max. Iters is invalid.");
    EXPECT_EQ(session.params.MaxIters, 2147483647);
    EXPECT_FALSE(StoreFieldText(PanelField::kCx, "-0.75", session.params));
    EXPECT_EQ(session.params.PrevRealCenter, -0.75);
    EXPECT_EQ(FieldText(PanelField::kCx, session.params), "-0.75000000000000000000");
}

}  // namespace
}  // namespace zenphra::app
