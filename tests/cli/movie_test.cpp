// The zoom movie's logic: the frames' views, their file names, the movie options and the progress text.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>

#include "cli/command_line.h"
#include "cli/exact_frames.h"
#include "cli/movie_options.h"
#include "cli/movie_progress.h"
#include "cli/phase_watch.h"
#include "cli/zoom_frames.h"
#include "tests/app/test_support.h"

namespace zenphra::cli {
namespace {

// Into the seahorse valley, turning a quarter.
const View kStart{180.0, 10.0, -0.7453, 0.1127};
const View kTarget{1e5, 100.0, -0.743643887037151, 0.13182590420533};

std::vector<View> Frames(const View& start, const View& target, int32_t frames) {
    std::vector<View> views;
    for (int32_t frame = 0; frame < frames; ++frame) views.push_back(FrameView(start, target, frame, frames));
    return views;
}

// Where the target point lies from the middle of a frame, in units of the frame's width times 3.6.
std::pair<double, double> TargetOffset(const View& view, const View& target) {
    return {(target.centerReal - view.centerReal) * view.magnify,
            (target.centerImag - view.centerImag) * view.magnify};
}

// Checks every frame against the formulas: from the start exactly to the target exactly, the same
// magnification factor and the same turn from each frame to the next, and the target point gliding
// to the middle at an even pace.
void ExpectSteadyMovie(const View& start, const View& target, int32_t frames) {
    const std::vector<View> views = Frames(start, target, frames);
    EXPECT_EQ(views.front(), start);
    EXPECT_EQ(views.back(), target);
    const double factor = std::pow(target.magnify / start.magnify, 1.0 / (frames - 1));
    const double turn = (target.angleDeg - start.angleDeg) / (frames - 1);
    const auto [startOffsetReal, startOffsetImag] = TargetOffset(start, target);
    for (int32_t frame = 0; frame < frames; ++frame) {
        const View& view = views[frame];
        const double t = double(frame) / (frames - 1);
        EXPECT_NEAR(view.magnify, start.magnify * std::pow(factor, frame), view.magnify * 1e-12) << frame;
        EXPECT_NEAR(view.angleDeg, start.angleDeg + turn * frame, 1e-12) << frame;
        const auto [offsetReal, offsetImag] = TargetOffset(view, target);
        EXPECT_NEAR(offsetReal, startOffsetReal * (1.0 - t), std::abs(startOffsetReal) * 1e-9) << frame;
        EXPECT_NEAR(offsetImag, startOffsetImag * (1.0 - t), std::abs(startOffsetImag) * 1e-9) << frame;
    }
}

// A movie into a deep location: each frame's view worked out in full, at the place the formula of the
// double frames puts it, however deep (the tests check the texts with MPFR of their own).
TEST(ExactFramesTest, DeepFramesAreWorkedOutInFullForEachFrame) {
    const QString re =
        QStringLiteral("-1.47981577613247326072298452597877854692240725774045369689878510139864920741");
    const ExactView start{QStringLiteral("0"), QStringLiteral("0.5"), QStringLiteral("1")};
    const ExactView target{re, QStringLiteral("-0.000639"), QStringLiteral("1e60")};
    EXPECT_EQ(ExactFrameView(start, target, 0, 61, 320), start);
    EXPECT_EQ(ExactFrameView(start, target, 60, 61, 320), target);
    EXPECT_EQ(ExactFrameView(start, target, 0, 1, 320), target);
    // 61 frames from 1 to 1e60: frame k magnifies 10^k, to every digit shown.
    EXPECT_EQ(ExactFrameView(start, target, 30, 61, 320).magnify, "1.00000000000000000000000000000e+30");

    // Frame 59: C = C0 w + C1 (1 - w), w = (M0 / M) (1 - t) = 1e-59 / 60, so (C - C1) / (C0 - C1) is w.
    mpfr_t c, c1, w, expected;
    mpfr_inits2(400, c, c1, w, expected, static_cast<mpfr_ptr>(nullptr));
    const ExactView frame = ExactFrameView(start, target, 59, 61, 320);
    mpfr_set_str(c, frame.centerReal.toLatin1().constData(), 10, MPFR_RNDN);
    mpfr_set_str(c1, re.toLatin1().constData(), 10, MPFR_RNDN);
    mpfr_sub(c, c, c1, MPFR_RNDN);
    mpfr_neg(c1, c1, MPFR_RNDN);  // C0 - C1 with C0 = 0
    mpfr_div(w, c, c1, MPFR_RNDN);
    mpfr_set_str(expected, "1e-59", 10, MPFR_RNDN);
    mpfr_div_ui(expected, expected, 60, MPFR_RNDN);
    mpfr_div(w, w, expected, MPFR_RNDN);
    // C - C1 is about 4e-62 and the centre is given to 1e-82: w is known to some 20 digits.
    EXPECT_NEAR(mpfr_get_d(w, MPFR_RNDN), 1.0, 1e-15);
    EXPECT_EQ(frame.magnify, "1.00000000000000000000000000000e+59");
    mpfr_clears(c, c1, w, expected, static_cast<mpfr_ptr>(nullptr));

    // A shallow movie's frames agree with the double ones.
    const ExactView shallowStart{"-0.7453", "0.1127", "180"},
        shallowTarget{"-0.743643887037151", "0.13182590420533", "1e5"};
    for (const int32_t k : {1, 7, 13}) {
        const ExactView exact = ExactFrameView(shallowStart, shallowTarget, k, 15, 640);
        const View doubles =
            FrameView({180, 0, -0.7453, 0.1127}, {1e5, 0, -0.743643887037151, 0.13182590420533}, k, 15);
        EXPECT_NEAR(exact.centerReal.toDouble(), doubles.centerReal, 1e-15) << k;
        EXPECT_NEAR(exact.centerImag.toDouble(), doubles.centerImag, 1e-15) << k;
        EXPECT_NEAR(exact.magnify.toDouble(), doubles.magnify, doubles.magnify * 1e-14) << k;
    }
}

TEST(ZoomFramesTest, FramesRunFromTheStartViewToTheTargetSteadily) {
    ExpectSteadyMovie(kStart, kTarget, 120);
    ExpectSteadyMovie(kStart, kTarget, 2);
    ExpectSteadyMovie(kTarget, kStart,
                      50);  // outwards: the centre first moves away for the point to close in

    // A single frame is the target; without a zoom the centre pans in even steps.
    EXPECT_EQ(FrameView(kStart, kTarget, 0, 1), kTarget);
    View panned = kTarget;
    panned.magnify = kStart.magnify;
    const View middle = FrameView(kStart, panned, 2, 5);
    EXPECT_DOUBLE_EQ(middle.magnify, kStart.magnify);
    EXPECT_DOUBLE_EQ(middle.centerReal, (kStart.centerReal + kTarget.centerReal) / 2);
    EXPECT_DOUBLE_EQ(middle.centerImag, (kStart.centerImag + kTarget.centerImag) / 2);
}

TEST(ZoomFramesTest, FrameNamesSortInTheOrderOfTheFrames) {
    EXPECT_EQ(FramePath("out/zoom.png", 0, 120), "out/zoom-0001.png");
    EXPECT_EQ(FramePath("out/zoom.png", 119, 120), "out/zoom-0120.png");
    EXPECT_EQ(FramePath("Zoom.PNG", 8, 9999), "Zoom-0009.PNG");
    EXPECT_EQ(FramePath("zoom.png", 41, 10000), "zoom-00042.png");
}

class MovieOptionsTest : public app::EngineTest {
  protected:
    std::optional<CommandLine> Parse(const QStringList& arguments) {
        return ParseCommandLine(QStringList{"zenphra-render"} + arguments);
    }

    app::MessageRecorder log;
};

TEST_F(MovieOptionsTest, FramesMakeAMovieThatReadsEveryMovieOption) {
    const auto line = Parse({"--prm", "a.prm",  "--entry", "Seahorse",    "--frames",  "90",      "--zoom-to",
                             "1e6",   "--turn", "-45",     "--center-to", "-0.75,0.1", "--video", "zoom.webm",
                             "--fps", "24",     "--iters", "500",         "-o",        "zoom.png"});
    ASSERT_TRUE(line.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(line->command, Command::kMovie);
    EXPECT_EQ(line->source, Source::kParameterEntry);
    ASSERT_EQ(line->settings.size(), 1u);  // the image options stay apart

    const std::optional<MovieRequest> movie = ReadMovieSettings(line->movie);
    ASSERT_TRUE(movie.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(movie->frames, 90);
    EXPECT_EQ(movie->zoomTo, 1e6);
    EXPECT_EQ(movie->turnDeg, -45.0);
    EXPECT_EQ(movie->centerTo, std::pair(-0.75, 0.1));
    EXPECT_EQ(movie->video, "zoom.webm");
    EXPECT_EQ(movie->fps, 24.0);

    const std::optional<MovieRequest> plain =
        ReadMovieSettings(Parse({"--frames", "3", "-o", "z.png"})->movie);
    EXPECT_EQ(plain->zoomTo, std::nullopt);
    EXPECT_EQ(plain->centerTo, std::nullopt);
    EXPECT_TRUE(plain->video.isEmpty());
}

TEST_F(MovieOptionsTest, MovieOptionsThatMakeNoMovieAreRefused) {
    const QList<QStringList> refused{
        {"--zoom-to", "100", "-o", "z.png"},
        {"--frames", "3", "--fps", "24", "-o", "z.png"},
        {"--frames", "3", "--video", "zoom.avi", "-o", "z.png"},
        {"--resume", "z-0001.png", "--frames", "3"},
        {"--info", "z-0001.png", "--turn", "90"},
    };
    for (const QStringList& arguments : refused) {
        const qsizetype before = log.messages().size();
        EXPECT_FALSE(Parse(arguments)) << arguments.join(' ').toStdString();
        EXPECT_EQ(log.messages().size(), before + 1);
    }
    EXPECT_EQ(log.texts().at(0), "--zoom-to needs --frames N (see --help)");
    EXPECT_EQ(log.texts().at(3), "--frames does not go with --resume (see --help)");

    const QList<FieldSetting> badValues{{"frames", "0"},    {"frames", "-2"},  {"frames", "100000"},
                                        {"zoom-to", "0"},   {"zoom-to", "-5"}, {"turn", "right"},
                                        {"center-to", "1"}, {"fps", "0"}};
    for (const FieldSetting& setting : badValues) {
        const qsizetype before = log.messages().size();
        EXPECT_FALSE(ReadMovieSettings({setting}).has_value()) << setting.name.toStdString();
        ASSERT_EQ(log.messages().size(), before + 1);
        EXPECT_TRUE(log.lastText().startsWith("--" + setting.name + ": \"" + setting.value + "\" is not"))
            << log.lastText().toStdString();
    }
}

TEST(MovieProgressTest, FramesDoneTheFramesRowsAndTheTimeLeftFromThisRunsRows) {
    // 2 frames and 120 rows of 120 frames of 360 rows, all plotted in 7 seconds: 42360 rows to go.
    EXPECT_EQ(MovieProgressText(840, 360, 120, 840, 7.0),
              "2/120 frames  frame 3: 120/360 rows  0:07 elapsed  5:53 left");
    // A rerun found 100 frames done and has plotted 720 rows since.
    EXPECT_EQ(MovieProgressText(36720, 360, 120, 720, 6.0),
              "102/120 frames  frame 103: 0/360 rows  0:06 elapsed  0:54 left");
    EXPECT_EQ(MovieProgressText(36000, 360, 120, 0, 0.5),
              "100/120 frames  frame 101: 0/360 rows  0:00 elapsed  --:-- left");
    EXPECT_EQ(MovieProgressText(43200, 360, 120, 43200, 75.0), "120/120 frames  1:15 elapsed  0:00 left");
    // A task plotting frames 41 to 44 of the movie counts its own four and names the movie's frame.
    EXPECT_EQ(MovieProgressText(540, 360, 4, 540, 3.0, 40),
              "1/4 frames  frame 42: 180/360 rows  0:03 elapsed  0:05 left");
}

TEST(PhaseProgressTest, TheReferenceAndTableSayHowFarTheyAreWithTheTimeLeft) {
    ZenphraPlotPath path{};
    path.deep = 1;
    path.phase = ZENPHRA_PHASE_REFERENCE;
    path.done = 1200;
    path.total = 36000;
    EXPECT_EQ(PhaseText(path, 2.0), "reference orbit 1200/36000 iterations  3%  0:02 elapsed  0:58 left");
    path.phase = ZENPHRA_PHASE_TABLE;
    path.done = 0;
    path.total = 160;
    EXPECT_EQ(PhaseText(path, 0.2), "approximation table 0/160 entries  0%  0:00 elapsed  --:-- left");
    for (const int32_t quiet : {ZENPHRA_PHASE_NONE, ZENPHRA_PHASE_ROWS}) {
        path.phase = quiet;
        EXPECT_EQ(PhaseText(path, 1.0), "") << quiet;
    }
}

}  // namespace
}  // namespace zenphra::cli
