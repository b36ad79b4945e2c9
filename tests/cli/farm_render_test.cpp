// Render farm tasks run by the real zenphra-render: a movie made by tasks of frame ranges, a poster made
// of strips and joined, a task stopped with SIGTERM and run again, and joins that are refused. What the
// tasks make together must be byte for byte what one process makes.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "app/imagefiles/image_load.h"
#include "app/imagefiles/image_save.h"
#include "tests/app/test_support.h"
#include "tests/cli/renderer_process.h"

namespace zenphra::cli {
namespace {

// The seahorse valley, small, zooming into a point of it and turning.
const QStringList kSeahorse{"--center", "-0.7453,0.1127", "--magnify", "180", "--iters", "300"};
const QStringList kZoomIn{"--zoom-to", "1e5",         "--turn",
                          "30",        "--center-to", "-0.743643887037151,0.13182590420533"};

// The inside of this Julia set runs every pixel to the iteration limit, and with "Petals" no orbit is cut
// short for repeating exactly: each row takes a while, so a signal reliably lands inside a strip.
const QStringList kSlow{"--julia",   "-0.5,0", "--rendering", "Petals", "--center", "0,0",
                        "--magnify", "1.5",    "--iters",     "50000",  "--size",   "160x32"};

class FarmRenderTest : public app::EngineTest {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "cli_farm_render_test";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);  // for QProcess
    }
    static void TearDownTestSuite() { application.reset(); }

    QString File(const QString& name) const { return folder.filePath(name); }
    // Every file of the folder, hidden ones too.
    QStringList Files() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Runs the program and expects the exit status; shows what it said when the status differs.
    RunResult Expect(int exitCode, const QStringList& arguments) {
        const RunResult result = RunRenderer(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << arguments.join(' ').toStdString() << "\n"
                                             << result.err.toStdString();
        return result;
    }

    // Renders every strip of `count` of the image into File(NAME-strip-K-of-N.png) and returns their paths.
    QStringList Strips(const QStringList& image, int32_t count, const QString& name = "poster") {
        QStringList paths;
        for (int32_t strip = 1; strip <= count; ++strip) {
            Expect(0, image + QStringList{"--strip", QStringLiteral("%1/%2").arg(strip).arg(count), "-q",
                                          "-o", File(name + ".png")});
            paths << File(QStringLiteral("%1-strip-%2-of-%3.png").arg(name).arg(strip).arg(count));
        }
        return paths;
    }

    static inline std::unique_ptr<QCoreApplication> application;
    QTemporaryDir folder;
};

QDateTime Written(const QString& path) { return QFileInfo(path).lastModified(); }

TEST_F(FarmRenderTest, TasksOfFrameRangesMakeTheFramesOfOneProcess) {
    const QStringList movie = kSeahorse + kZoomIn + QStringList{"--size", "96x54", "--frames", "6", "-q"};
    QTemporaryDir whole;
    Expect(0, movie + QStringList{"-o", whole.filePath("zoom.png")});

    // A task plots its frames only, under the movie's names, whatever ran before it.
    Expect(0, movie + QStringList{"--frame-range", "3-4", "-o", File("zoom.png")});
    EXPECT_EQ(Files(), QStringList({"zoom-0003.png", "zoom-0004.png"}));
    Expect(0, movie + QStringList{"--frame-range", "5-6", "-o", File("zoom.png")});
    Expect(0, movie + QStringList{"--frame-range", "1-2", "-o", File("zoom.png")});
    ASSERT_EQ(Files(), QDir(whole.path()).entryList(QDir::Files, QDir::Name));
    for (const QString& frame : Files()) {
        EXPECT_EQ(app::FileBytes(File(frame)), app::FileBytes(whole.filePath(frame))) << frame.toStdString();
    }

    // The final step, the movie command once more, finds every frame done and plots none again.
    const QDateTime written = Written(File("zoom-0001.png"));
    const QDateTime lastWritten = Written(File("zoom-0006.png"));
    Expect(0, movie + QStringList{"-o", File("zoom.png")});
    EXPECT_EQ(Written(File("zoom-0001.png")), written);
    EXPECT_EQ(Written(File("zoom-0006.png")), lastWritten);
}

TEST_F(FarmRenderTest, JoinedStripsAreTheFileOfASingleRender) {
    const QStringList image = kSeahorse + QStringList{"--size", "96x64"};
    const QString single = File("single.png");
    Expect(0, image + QStringList{"-q", "-o", single});

    // 64 rows in three strips: 21, 21 and 22 rows.
    const QStringList strips = Strips(image, 3);
    const QList<std::pair<int32_t, int32_t>> rows{{0, 21}, {21, 42}, {42, 64}};
    for (qsizetype strip = 0; strip < strips.size(); ++strip) {
        // An image file of the whole image, as the explorer reads it, with only the strip's rows plotted.
        const app::FractalTextRecord text = ReadImageText(strips[strip]);
        EXPECT_EQ(text.params, ReadImageText(single).params);
        const auto [first, end] = rows[strip];
        EXPECT_EQ(text.StartY, end);
        const QByteArray indices = IndexBytes(strips[strip]);
        EXPECT_EQ(indices.left(first * 96), QByteArray(first * 96, char(app::kNotPlottedEntry)));
        EXPECT_EQ(indices.mid(first * 96, (end - first) * 96),
                  IndexBytes(single).mid(first * 96, (end - first) * 96));
        EXPECT_EQ(indices.mid(end * 96), QByteArray((64 - end) * 96, char(app::kNotPlottedEntry)));
    }

    // A finished strip run again is kept as it is.
    const QDateTime written = Written(strips[1]);
    const RunResult again = Expect(0, image + QStringList{"--strip", "2/3", "-o", File("poster.png")});
    EXPECT_TRUE(again.err.contains("is finished")) << again.err.toStdString();
    EXPECT_EQ(Written(strips[1]), written);

    // The join takes the strips in any order.
    const RunResult joined = Expect(0, {"--join", File("poster.png"), strips[2], strips[0], strips[1]});
    EXPECT_TRUE(joined.err.isEmpty()) << joined.err.toStdString();
    EXPECT_EQ(app::FileBytes(File("poster.png")), app::FileBytes(single));
    // A single strip is the whole image.
    EXPECT_EQ(app::FileBytes(Strips(image, 1, "whole").constFirst()), app::FileBytes(single));
    EXPECT_FALSE(Files().join(' ').contains(".tmp")) << Files().join(' ').toStdString();
}

TEST_F(FarmRenderTest, StripStoppedWithSigtermContinuesToTheSameBytes) {
    const QString single = File("single.png");
    Expect(0, kSlow + QStringList{"-q", "-o", single});

    QProcess process;
    StartRenderer(process, kSlow + QStringList{"--strip", "2/2", "-o", File("poster.png")});
    process.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("strip 2/2:") && process.waitForReadyRead(60000)) said += process.readAll();
    ASSERT_TRUE(said.contains("strip 2/2:")) << said.toStdString();
    // GNU Parallel sends SIGTERM more than once before it kills: the strip is still saved.
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGTERM), 0);
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(60000));
    said += process.readAll();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130) << said.toStdString();
    EXPECT_TRUE(said.contains("of strip 2/2 (rows 16 to 31) and saved")) << said.toStdString();
    const QString strip = File("poster-strip-2-of-2.png");
    const int32_t stoppedAt = ReadImageText(strip).StartY;
    EXPECT_GT(stoppedAt, 16);
    EXPECT_LT(stoppedAt, 32);

    // Half-finished, the strip is refused by the join; run again, it goes on from its row.
    Expect(0, kSlow + QStringList{"--strip", "1/2", "-q", "-o", File("poster.png")});
    const RunResult early = Expect(1, {"--join", File("poster.png"), File("poster-strip-1-of-2.png"), strip});
    EXPECT_TRUE(
        early.err.contains(QStringLiteral("rows %1 to 31 are in none of the strips").arg(stoppedAt).toUtf8()))
        << early.err.toStdString();
    const RunResult continued = Expect(0, kSlow + QStringList{"--strip", "2/2", "-o", File("poster.png")});
    EXPECT_TRUE(continued.err.contains(
        QStringLiteral("continuing \"%1\" at row %2").arg(strip).arg(stoppedAt).toUtf8()))
        << continued.err.toStdString();
    Expect(0, {"--join", File("poster.png"), File("poster-strip-1-of-2.png"), strip});
    EXPECT_EQ(app::FileBytes(File("poster.png")), app::FileBytes(single));
}

TEST_F(FarmRenderTest, TasksOutsideTheMovieOrTheImageAreRefusedAndNothingIsWritten) {
    const QStringList movie =
        kSeahorse + QStringList{"--size", "96x54", "--frames", "24", "-o", File("zoom.png")};
    const QStringList image = kSeahorse + QStringList{"--size", "96x64", "-o", File("poster.png")};
    const QList<std::pair<QStringList, QString>> refused{
        {movie + QStringList{"--frame-range", "20-25"},
         "--frame-range: \"20-25\" is not a range A-B of the movie's frames 1 to 24"},
        {movie + QStringList{"--frame-range", "0-3"}, "--frame-range: \"0-3\" is not a range"},
        {movie + QStringList{"--frame-range", "9-8"}, "--frame-range: \"9-8\" is not a range"},
        {image + QStringList{"--strip", "5/4"}, "--strip: \"5/4\" is not a strip K/N with K from 1 to N"},
        {image + QStringList{"--strip", "0/4"}, "--strip: \"0/4\" is not a strip K/N"},
        // Every strip has two rows at least: 64 rows make 32 strips at most.
        {image + QStringList{"--strip", "33/33"},
         "--strip: \"33/33\" is too many strips: an image of 64 rows is cut into at most 32"},
    };
    for (const auto& [arguments, problem] : refused) {
        const RunResult result = Expect(1, arguments);
        EXPECT_TRUE(result.err.startsWith("zenphra-render: " + problem.toUtf8())) << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    EXPECT_EQ(Files(), QStringList());
}

TEST_F(FarmRenderTest, StripsThatDoNotMakeOneImageAreRefusedAndNothingIsWritten) {
    const QStringList image = kSeahorse + QStringList{"--size", "96x64"};
    const QStringList strips = Strips(image, 3);
    const QString otherView =
        Strips(kSeahorse + QStringList{"--size", "96x64", "--iters", "301"}, 3, "iters")[1];
    const QString otherSize = Strips(kSeahorse + QStringList{"--size", "96x66"}, 3, "size")[1];
    const QString colormap = QCoreApplication::applicationDirPath() + "/Colormaps/Jewels.cm8";
    const QString otherColours = Strips(image + QStringList{"--colormap", colormap}, 3, "colours")[1];
    const QString copy = File("copy.png");
    QFile::copy(strips[1], copy);
    // Strip 2 as a task stopped at row 30 leaves it, and as one stopped before its first row was done.
    const app::ImageLoad load = app::LoadImageFile(strips[1], app::FractalParams(), app::ColorMap(), palette);
    ASSERT_EQ(load.Status, app::LoadStatus::kLoaded);
    const QString stopped = File("stopped.png");
    ASSERT_TRUE(app::SaveImageFile(stopped, load.Image.Params, 30, palette));
    const QString unstarted = File("unstarted.png");
    ASSERT_TRUE(app::SaveImageFile(unstarted, load.Image.Params, 21, palette));
    // And as a file that claims rows past the strip's end.
    const QString beyond = File("beyond.png");
    ASSERT_TRUE(app::SaveImageFile(beyond, load.Image.Params, 50, palette));
    const QString notAnImage = File("note.png");
    app::WriteBytes(notAnImage, "not an image");
    const QStringList before = Files();

    const QString out = File("poster.png");
    const QList<std::pair<QStringList, QString>> refused{
        {{strips[0], strips[2]}, "rows 21 to 41 are in none of the strips"},
        {{strips[0], strips[1]}, "rows 42 to 63 are in none of the strips"},
        {{strips[0], strips[1], strips[1], strips[2]}, "\"" + strips[1] + "\" is given twice"},
        {{strips[0], strips[1], copy, strips[2]},
         "rows 21 to 41 are in both \"" + strips[1] + "\" and \"" + copy},
        {{strips[0], otherView, strips[2]},
         "\"" + otherView + "\" is not a strip of the image \"" + strips[0] + "\" is: its parameters differ"},
        {{strips[0], otherSize, strips[2]}, "is: its size is 96x66, not 96x64"},
        {{strips[0], otherColours, strips[2]}, "is: its colours differ"},
        {{strips[0], stopped, strips[2]}, "rows 30 to 41 are in none of the strips"},
        {{strips[0], unstarted, strips[2]},
         "\"" + unstarted + "\" has no finished rows; run its strip again"},
        {{strips[0], beyond, strips[2]}, "\"" + beyond + "\" is no strip: row 42 is not plotted whole"},
        {{strips[0], notAnImage, strips[2]}, notAnImage},
        {{strips[0], File("missing.png"), strips[2]}, "missing.png\" could not be opened."},
        {{strips[0], out, strips[2]}, "\"" + out + "\" is one of the strips"},
    };
    for (const auto& [given, problem] : refused) {
        const RunResult result = Expect(1, QStringList{"--join", out} + given);
        EXPECT_TRUE(result.err.startsWith("zenphra-render: ")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(problem.toUtf8())) << problem.toStdString() << "\n"
                                                           << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    EXPECT_EQ(Files(), before);
}

TEST_F(FarmRenderTest, JoinRemovesWhatKilledSavesOfItsImageLeftBehind) {
    const QStringList image = kSeahorse + QStringList{"--size", "96x64"};
    const QStringList strips = Strips(image, 2);
    const QString other = Strips(kSeahorse + QStringList{"--size", "96x64", "--iters", "301"}, 2, "other")[0];
    // Saves cut off part-way: of this image, and of another one, whose save may still be running.
    const QByteArray strip = app::FileBytes(strips[1]);
    app::WriteBytes(File(".zenphra-4242-0.tmp"), strip.left(strip.size() - 50));
    app::WriteBytes(File(".zenphra-join-a1b2c3.tmp"), strip.left(strip.size() / 2 + 1200));
    const QByteArray otherBytes = app::FileBytes(other);
    app::WriteBytes(File(".zenphra-4242-1.tmp"), otherBytes.left(otherBytes.size() - 50));
    // Cut off before the first bytes were written: long ago, and just now.
    app::WriteBytes(File(".zenphra-4243-0.tmp"), "");
    QFile old(File(".zenphra-4243-0.tmp"));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        old.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    old.close();
    app::WriteBytes(File(".zenphra-4244-0.tmp"), "");

    const RunResult joined = Expect(0, {"--join", File("poster.png"), strips[0], strips[1]});
    EXPECT_TRUE(joined.err.contains("removed 3 files left behind by killed tasks"))
        << joined.err.toStdString();
    const QStringList left = Files().filter(".tmp");
    EXPECT_EQ(left, QStringList({".zenphra-4242-1.tmp", ".zenphra-4244-0.tmp"}));
}

}  // namespace
}  // namespace zenphra::cli
