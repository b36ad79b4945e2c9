// What the window says about how an image is drawn: the depth of a deep image from its magnification in
// force (of any size), its precision, the phase being made, and the hint of the iteration limit.
#include "app/common/plot_path_text.h"

#include <gtest/gtest.h>

#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class PlotPathTextTest : public EngineTest {};

TEST_F(PlotPathTextTest, ADeepImageShowsItsDepthPrecisionAndPhase) {
    ZenphraPlotPath path{};
    path.deep = 1;
    path.precisionBits = 190;
    path.phase = ZENPHRA_PHASE_ROWS;
    struct Depth {
        const char* exact;
        double magnify;
        const char* shown;
    };
    for (const Depth& depth :
         {Depth{"", 1.23e52, "deep: 1.2e52, 190 bits"}, Depth{"", 1e100, "deep: 1e100, 190 bits"},
          Depth{"", 2549.0, "deep: 2.5e3, 190 bits"}, Depth{"9.96e99", 9.96e99, "deep: 1e100, 190 bits"},
          Depth{"6.7500000000000000000000001e49", 6.75e49, "deep: 6.8e49, 190 bits"},
          Depth{"3e400", 1.7976931348623157e308, "deep: 3e400, 190 bits"}}) {
        FractalParams params;
        params.ExactMagnify = QString::fromLatin1(depth.exact);
        params.TotalMagnify = depth.magnify;
        EXPECT_EQ(PlotPathText(path, params), depth.shown) << depth.exact << " " << depth.magnify;
    }

    FractalParams params;
    params.TotalMagnify = 1e30;
    path.phase = ZENPHRA_PHASE_REFERENCE;
    path.done = 450;
    path.total = 1000;
    EXPECT_EQ(DeepPhaseText(path), "reference orbit 45%");
    path.phase = ZENPHRA_PHASE_TABLE;
    EXPECT_EQ(DeepPhaseText(path), "approximation table 45%");
    path.phase = ZENPHRA_PHASE_ROWS;
    EXPECT_EQ(DeepPhaseText(path), "");
    path.deep = 0;
    EXPECT_EQ(PlotPathText(path, params), "");
}

TEST_F(PlotPathTextTest, MoreThanHalfThePixelsAtTheLimitGiveTheHint) {
    EXPECT_EQ(MaxItersHint(51, 100), "Most pixels reached Max Iters: try more.");
    EXPECT_EQ(MaxItersHint(50, 100), "");
    EXPECT_EQ(MaxItersHint(0, 0), "");
}

}  // namespace
}  // namespace zenphra::app
