// The command line of render farm tasks: frame ranges of a movie, row strips of an image and the join,
// and how the rows of an image are shared out among its strips.
#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "cli/frame_range.h"
#include "cli/movie_options.h"
#include "cli/strip_choice.h"
#include "tests/app/test_support.h"

namespace zenphra::cli {
namespace {

class FarmOptionsTest : public app::EngineTest {
  protected:
    std::optional<CommandLine> Parse(const QStringList& arguments) {
        return ParseCommandLine(QStringList{"zenphra-render"} + arguments);
    }

    // The one message a refused command line shows.
    QString Refusal(const QStringList& arguments) {
        const qsizetype before = log.messages().size();
        EXPECT_FALSE(Parse(arguments)) << arguments.join(' ').toStdString();
        EXPECT_EQ(log.messages().size(), before + 1) << arguments.join(' ').toStdString();
        return log.lastText();
    }

    app::MessageRecorder log;
};

TEST(StripRowsTest, StripsShareOutEveryRowInOrderWithAtLeastTwoEach) {
    for (int32_t height = 32; height <= 300; height += 7) {
        for (int32_t count = 1; count <= MostStrips(height); ++count) {
            int32_t next = 0;
            for (int32_t index = 1; index <= count; ++index) {
                const RowSpan rows = StripRows({index, count}, height);
                ASSERT_EQ(rows.first, next) << height << " rows, strip " << index << "/" << count;
                ASSERT_GE(rows.end - rows.first, 2) << height << " rows, strip " << index << "/" << count;
                // As evenly as whole rows allow.
                ASSERT_LE(rows.end - rows.first, height / count + 1);
                next = rows.end;
            }
            ASSERT_EQ(next, height) << height << " rows in " << count << " strips";
        }
    }
    EXPECT_EQ(StripRows({2, 4}, 192), (RowSpan{48, 96}));
    EXPECT_EQ(StripRows({3, 3}, 100), (RowSpan{66, 100}));
    // A poster of the largest size in the most strips: the row arithmetic does not overflow.
    EXPECT_EQ(StripRows({8192, 8192}, 16384), (RowSpan{16382, 16384}));
}

TEST(StripRowsTest, StripFilesAreNamedAfterTheOutputAndSortInOrder) {
    EXPECT_EQ(StripPath("poster.png", {2, 8}), "poster-strip-2-of-8.png");
    EXPECT_EQ(StripPath("out/Poster.PNG", {3, 12}), "out/Poster-strip-03-of-12.PNG");
    EXPECT_EQ(StripPath("p.png", {100, 100}), "p-strip-100-of-100.png");
}

TEST(FrameRangeTest, RangesLieWithinTheMovieAndCountFromOne) {
    EXPECT_EQ(ParseFrameRange("1-24", 24), (FrameRange{0, 24}));
    EXPECT_EQ(ParseFrameRange(" 5 - 8 ", 24), (FrameRange{4, 8}));
    EXPECT_EQ(ParseFrameRange("7", 24), (FrameRange{6, 7}));
    EXPECT_EQ(ParseFrameRange("24-24", 24), (FrameRange{23, 24}));
    for (const char* outside : {"0-3", "20-25", "25", "5-3", "-3", "3-", "+2-4", "1-2-3", "a-b", "", "2,4"}) {
        EXPECT_EQ(ParseFrameRange(outside, 24), std::nullopt) << outside;
    }
}

TEST_F(FarmOptionsTest, StripsJoinsAndFrameRangesAreCommandsOfTheirOwn) {
    const auto strip = Parse(
        {"--prm", "a.prm", "--entry", "Seahorse", "--strip", "3/8", "--iters", "900", "-o", "poster.png"});
    ASSERT_TRUE(strip.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(strip->command, Command::kStrip);
    EXPECT_EQ(strip->strip.index, 3);
    EXPECT_EQ(strip->strip.count, 8);
    EXPECT_EQ(strip->settings.size(), 1u);

    const auto join = Parse({"--join", "poster.png", "-q", "p-strip-1-of-2.png", "p-strip-2-of-2.png"});
    ASSERT_TRUE(join.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(join->command, Command::kJoin);
    EXPECT_EQ(join->output, "poster.png");
    EXPECT_EQ(join->strips, QStringList({"p-strip-1-of-2.png", "p-strip-2-of-2.png"}));
    EXPECT_TRUE(join->quiet);

    const auto task = Parse({"--frames", "24", "--frame-range", "5-8", "-o", "zoom.png"});
    ASSERT_TRUE(task.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(task->command, Command::kMovie);
    const std::optional<MovieRequest> movie = ReadMovieSettings(task->movie);
    ASSERT_TRUE(movie.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(movie->range, (FrameRange{4, 8}));
    EXPECT_EQ(ReadMovieSettings(Parse({"--frames", "24", "-o", "zoom.png"})->movie)->range, std::nullopt);
}

TEST_F(FarmOptionsTest, TasksThatCannotBeRunAreRefusedWithOneLine) {
    const QList<std::pair<QStringList, QString>> refused{
        {{"--strip", "0/4", "-o", "p.png"}, "--strip: \"0/4\" is not a strip K/N with K from 1 to N"},
        {{"--strip", "5/4", "-o", "p.png"}, "--strip: \"5/4\" is not a strip K/N"},
        {{"--strip", "-1/4", "-o", "p.png"}, "--strip: \"-1/4\" is not"},
        {{"--strip", "2", "-o", "p.png"}, "--strip: \"2\" is not"},
        {{"--strip", "2/4"}, "--output FILE.png is needed"},
        {{"--strip", "2/4", "--frames", "9", "-o", "p.png"}, "--frames does not go with --strip"},
        {{"--resume", "p.png", "--strip", "2/4"}, "--strip does not go with --resume"},
        {{"--join", "p.png"}, "--join FILE.png needs the strip files after it"},
        {{"--join", "p.tif", "a.png"}, "--join: \"p.tif\" does not end in .png"},
        {{"--join", "p.png", "--iters", "9", "a.png"}, "--join takes only the strip files and --quiet"},
        {{"--join", "p.png", "-o", "q.png", "a.png"}, "--join takes only the strip files and --quiet"},
        {{"--join", "p.png", "--strip", "1/2", "a.png"}, "--join takes only the strip files and --quiet"},
        {{"-o", "p.png", "a.png"}, "unexpected argument \"a.png\""},
        {{"--frame-range", "1-2", "-o", "z.png"}, "--frame-range needs --frames N"},
        {{"--frames", "9", "--frame-range", "1-2", "--video", "z.mp4", "-o", "z.png"},
         "--video does not go with --frame-range"},
    };
    for (const auto& [arguments, problem] : refused) {
        const QString said = Refusal(arguments);
        EXPECT_TRUE(said.startsWith(problem)) << said.toStdString();
    }
}

}  // namespace
}  // namespace zenphra::cli
