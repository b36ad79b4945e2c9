// The Julia switch without a window: the constant picked over the picture, and the parameters of the
// new image either way.
#include "app/explorer/julia_switch.h"

#include "app/explorer/explorer_session.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class JuliaSwitchTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        FractalParams params;
        params.EqnType = ZENPHRA_EQN_LAMBDA;
        params.HorRes = 320;
        params.VertRes = 240;
        params.ItersToSkip = 7;
        params.PrevRealCenter = 1.25;
        params.PrevImagCenter = -0.5;
        params.TotalMagnify = 4.0;
        params.TotalAngleDeg = 90.0;
        session.Start(params, false, ImageHistory{});
    }

    void StartSwitch() { ASSERT_FALSE(session.StartSwitch(ShownPanel(session.Params(), PanelTexts{}))); }

    ExplorerSession session{palette};
};

TEST_F(JuliaSwitchTest, TheConstantIsThePointUnderThePointerAndTheCentreUntilItMoves) {
    StartSwitch();
    EXPECT_EQ(session.Doing(), Activity::kJuliaPick);
    EXPECT_EQ(session.Pick().ImageCentre(), QPointF(160, 120));
    EXPECT_EQ(session.Pick().Picked(), (PlanePoint{1.25, -0.5}));

    // Turned a quarter: a pixel to the right of the centre lies a step above it in the plane.
    const double step = 3.6 / 4.0 / 320;
    session.Pick().PickAt(QPointF(170, 120));
    EXPECT_NEAR(session.Pick().Picked().real, 1.25, 1e-15);
    EXPECT_NEAR(session.Pick().Picked().imag, -0.5 + 10 * step, 1e-15);
}

// Either way the new image is small, unzoomed and unturned, with no iterations skipped.
TEST_F(JuliaSwitchTest, ASwitchEitherWayStartsTheNewImageSmallAndUnzoomed) {
    StartSwitch();
    session.Pick().PickAt(QPointF(100, 30));
    const PlanePoint picked = session.Pick().Picked();
    session.TakeSwitch();
    const FractalParams& params = session.Params();
    EXPECT_TRUE(session.Idle());
    EXPECT_TRUE(session.JuliaMode());
    EXPECT_EQ(params.EqnType, ZENPHRA_EQN_LAMBDA + kJuliaOffset);
    EXPECT_EQ(params.JuliaReal, picked.real);
    EXPECT_EQ(params.JuliaImag, picked.imag);
    EXPECT_EQ(params.PrevRealCenter, 0.0);
    EXPECT_EQ(params.PrevImagCenter, 0.0);
    EXPECT_EQ(params.TotalMagnify, 1.0);
    EXPECT_EQ(params.TotalAngleDeg, 0.0);
    EXPECT_EQ(params.ItersToSkip, 0);
    EXPECT_EQ(params.HorRes, 160);
    EXPECT_EQ(session.Display().PicHeight, 120);
    EXPECT_EQ(session.StartY(), 0);

    // Back to the set, centred on the constant, which is cleared.
    session.FieldLeft(PanelField::kSkipIter, QStringLiteral("3"));
    session.FieldLeft(PanelField::kMagnify, QStringLiteral("50"));
    StartSwitch();
    session.TakeSwitch();
    EXPECT_FALSE(session.JuliaMode());
    EXPECT_EQ(params.EqnType, ZENPHRA_EQN_LAMBDA);
    EXPECT_EQ(params.PrevRealCenter, picked.real);
    EXPECT_EQ(params.PrevImagCenter, picked.imag);
    EXPECT_EQ(params.JuliaReal, 0.0);
    EXPECT_EQ(params.JuliaImag, 0.0);
    EXPECT_EQ(params.TotalMagnify, 1.0);
    EXPECT_EQ(params.ItersToSkip, 0);
}

TEST_F(JuliaSwitchTest, ACancelledPickLeavesEveryParameter) {
    const FractalParams before = session.Params();
    StartSwitch();
    session.Pick().PickAt(QPointF(10, 10));
    session.CancelSwitch();
    EXPECT_TRUE(session.Idle());
    EXPECT_FALSE(session.JuliaMode());
    EXPECT_EQ(session.Params(), before);
}

}  // namespace
}  // namespace zenphra::app
