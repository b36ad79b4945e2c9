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
        session.params.EqnType = ZENPHRA_EQN_LAMBDA;
        session.params.ItersToSkip = 7;
        session.params.PrevRealCenter = 1.25;
        session.params.PrevImagCenter = -0.5;
        session.params.TotalMagnify = 4.0;
        session.params.TotalAngleDeg = 90.0;
        session.SetSize(320, 240);
        session.ParamsShown();
    }

    ExplorerSession session{palette};
};

TEST_F(JuliaSwitchTest, TheConstantIsThePointUnderThePointerAndTheCentreUntilItMoves) {
    session.StartSwitch();
    EXPECT_TRUE(session.flags.SwitchMode);
    EXPECT_EQ(session.pick.ImageCentre(), QPointF(160, 120));
    EXPECT_EQ(session.pick.Picked(), (PlanePoint{1.25, -0.5}));

    // Turned a quarter: a pixel to the right of the centre lies a step above it in the plane.
    const double step = 3.6 / 4.0 / 320;
    session.pick.PickAt(QPointF(170, 120));
    EXPECT_NEAR(session.pick.Picked().real, 1.25, 1e-15);
    EXPECT_NEAR(session.pick.Picked().imag, -0.5 + 10 * step, 1e-15);
}

TEST_F(JuliaSwitchTest, ASwitchEitherWayStartsTheNewImageUnzoomed) {
    session.StartSwitch();
    session.pick.PickAt(QPointF(100, 30));
    const PlanePoint picked = session.pick.Picked();
    session.TakeSwitch();
    const FractalParams& params = session.params;
    EXPECT_FALSE(session.flags.SwitchMode);
    EXPECT_EQ(params.EqnType, ZENPHRA_EQN_LAMBDA + kJuliaOffset);
    EXPECT_EQ(params.JuliaReal, picked.real);
    EXPECT_EQ(params.JuliaImag, picked.imag);
    EXPECT_EQ(params.PrevRealCenter, 0.0);
    EXPECT_EQ(params.PrevImagCenter, 0.0);
    EXPECT_EQ(params.TotalMagnify, 1.0);
    EXPECT_EQ(params.TotalAngleDeg, 0.0);
    EXPECT_EQ(params.ItersToSkip, 0);
    EXPECT_EQ(session.StartY, 0);

    // Back to the set, centred on the constant, which is cleared.
    session.ParamsShown();
    session.params.ItersToSkip = 3;
    session.params.TotalMagnify = 50.0;
    session.StartSwitch();
    session.TakeSwitch();
    EXPECT_EQ(params.EqnType, ZENPHRA_EQN_LAMBDA);
    EXPECT_EQ(params.PrevRealCenter, picked.real);
    EXPECT_EQ(params.PrevImagCenter, picked.imag);
    EXPECT_EQ(params.JuliaReal, 0.0);
    EXPECT_EQ(params.JuliaImag, 0.0);
    EXPECT_EQ(params.TotalMagnify, 1.0);
    EXPECT_EQ(params.ItersToSkip, 0);
}

TEST_F(JuliaSwitchTest, ACancelledPickLeavesEveryParameterAndTheResumeRow) {
    session.StartY = 33;
    const FractalParams before = session.params;
    session.StartSwitch();
    session.pick.PickAt(QPointF(10, 10));
    session.CancelSwitch();
    EXPECT_FALSE(session.flags.SwitchMode);
    EXPECT_EQ(session.params, before);
    EXPECT_EQ(session.StartY, 33);
}

}  // namespace
}  // namespace zenphra::app
