// Zoom movies made by the real zenphra-render: frames read back as the explorer reads them, a movie
// stopped with Ctrl-C and run again, and the video handed to an ffmpeg that records what it gets.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "app/common/text_lines.h"
#include "tests/app/test_support.h"
#include "tests/cli/renderer_process.h"

namespace zenphra::cli {
namespace {

// The seahorse valley, small, into a point of it and turning.
const QStringList kSeahorse{"--center", "-0.7453,0.1127", "--magnify", "180", "--iters",
                            "300",      "--size",         "64x48"};
const QStringList kZoomIn{"--zoom-to", "1e5",         "--turn",
                          "30",        "--center-to", "-0.743643887037151,0.13182590420533"};

class MovieRenderTest : public app::EngineTest {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "cli_movie_render_test";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);  // for QProcess
    }
    static void TearDownTestSuite() { application.reset(); }

    QString File(const QString& name) const { return folder.filePath(name); }
    QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }

    // Runs the program and expects the exit status; shows what it said when the status differs.
    RunResult Expect(int exitCode, const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        const RunResult result = RunRenderer(arguments, environment);
        EXPECT_EQ(result.exitCode, exitCode) << arguments.join(' ').toStdString() << "\n"
                                             << result.err.toStdString();
        return result;
    }

    static inline std::unique_ptr<QCoreApplication> application;
    QTemporaryDir folder;
};

// A dive from the whole set to 1e30: every frame keeps its own place in full, is the very image a render
// of its file makes, and the last is the target's own render.
TEST_F(MovieRenderTest, ADeepDiveKeepsEveryFramesPlaceInFull) {
    const QString re =
        QStringLiteral("-1.479815776132473260722984525978778546922407257740453696898785101398649");
    const QString im =
        QStringLiteral("-0.000639111932613617271521396322556715729573039189439847360473949364712");
    const QStringList small{"--iters", "3000", "--size", "64x48", "-q"};
    Expect(0, small + QStringList{"--frames", "5", "--zoom-to", "1e30", "--center-to", re + "," + im, "-o",
                                  File("dive.png")});
    const app::FractalParams middle = ReadImageText(File("dive-0003.png")).params;
    EXPECT_EQ(middle.ExactMagnify, "1.00000000000000000000000000000e+15");
    EXPECT_GT(middle.ExactRealCenter.size(), 50);
    for (const char* frame : {"dive-0002.png", "dive-0004.png"}) {
        Expect(0, {"--from", File(frame), "-q", "-o", File("alone.png")});
        EXPECT_EQ(app::FileBytes(File("alone.png")), app::FileBytes(File(frame))) << frame;
    }
    Expect(0, small + QStringList{"--center", re + "," + im, "--magnify", "1e30", "-o", File("target.png")});
    EXPECT_EQ(IndexBytes(File("dive-0005.png")), IndexBytes(File("target.png")));
}

TEST_F(MovieRenderTest, FramesAreOrdinaryImagesOnTheWayToTheTarget) {
    Expect(0, kSeahorse + kZoomIn + QStringList{"--frames", "3", "-q", "-o", File("zoom.png")});
    ASSERT_EQ(Files(), QStringList({"zoom-0001.png", "zoom-0002.png", "zoom-0003.png"}));

    const app::FractalTextRecord first = ReadImageText(File("zoom-0001.png"));
    EXPECT_EQ(first.StartY, 48);
    EXPECT_EQ(first.params.PrevRealCenter, -0.7453);
    EXPECT_EQ(first.params.PrevImagCenter, 0.1127);
    EXPECT_EQ(first.params.TotalMagnify, 180.0);
    EXPECT_EQ(first.params.TotalAngleDeg, 0.0);
    const app::FractalParams middle = ReadImageText(File("zoom-0002.png")).params;
    EXPECT_NEAR(middle.TotalMagnify, std::sqrt(180.0 * 1e5), 1e-9);
    EXPECT_EQ(middle.TotalAngleDeg, 15.0);
    const app::FractalParams last = ReadImageText(File("zoom-0003.png")).params;
    EXPECT_EQ(last.PrevRealCenter, -0.743643887037151);
    EXPECT_EQ(last.PrevImagCenter, 0.13182590420533);
    EXPECT_EQ(last.TotalMagnify, 1e5);
    EXPECT_EQ(last.TotalAngleDeg, 30.0);

    // Every frame is the very image a render of its own parameters makes.
    for (const QString& frame : Files()) {
        Expect(0, {"--from", File(frame), "-q", "-o", File("alone.png")});
        EXPECT_EQ(app::FileBytes(File("alone.png")), app::FileBytes(File(frame))) << frame.toStdString();
    }

    // One frame is the target; a zoom outwards ends at its magnification.
    Expect(0, kSeahorse + kZoomIn + QStringList{"--frames", "1", "-q", "-o", File("one.png")});
    EXPECT_EQ(app::FileBytes(File("one-0001.png")), app::FileBytes(File("zoom-0003.png")));
    Expect(0, kSeahorse + QStringList{"--zoom-to", "0.5", "--frames", "2", "-q", "-o", File("out.png")});
    EXPECT_EQ(ReadImageText(File("out-0001.png")).params.TotalMagnify, 180.0);
    EXPECT_EQ(ReadImageText(File("out-0002.png")).params.TotalMagnify, 0.5);
}

TEST_F(MovieRenderTest, MovieStoppedWithCtrlCContinuesToTheSameFiles) {
    // Every pixel inside this Julia set runs to the iteration limit without its orbit repeating exactly,
    // so each frame takes a while and Ctrl-C reliably lands in the middle of the second.
    const QStringList slow{"--julia",   "-0.5,0", "--rendering", "Petals", "--center", "0,0",
                           "--magnify", "1.5",    "--iters",     "20000",  "--size",   "200x48",
                           "--zoom-to", "3",      "--frames",    "3"};
    QTemporaryDir whole;
    Expect(0, slow + QStringList{"-q", "-o", whole.filePath("zoom.png")});

    const QStringList stopped = slow + QStringList{"-o", File("zoom.png")};
    QProcess process;
    StartRenderer(process, stopped);
    process.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("frame 2:") && process.waitForReadyRead(60000)) said += process.readAll();
    ASSERT_TRUE(said.contains("frame 2:")) << said.toStdString();
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGINT), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    said += process.readAll();
    EXPECT_EQ(process.exitCode(), 130) << said.toStdString();
    EXPECT_TRUE(said.contains("in frame 2 and saved")) << said.toStdString();
    EXPECT_TRUE(said.contains("the same command continues the movie")) << said.toStdString();

    ASSERT_EQ(Files(), QStringList({"zoom-0001.png", "zoom-0002.png"}));
    EXPECT_EQ(ReadImageText(File("zoom-0001.png")).StartY, 48);
    const int32_t stoppedAt = ReadImageText(File("zoom-0002.png")).StartY;
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 47);

    // The run again keeps the first frame as it is, continues the second and makes the third.
    const QDateTime firstWritten = QFileInfo(File("zoom-0001.png")).lastModified();
    const RunResult continued = Expect(0, stopped);
    EXPECT_TRUE(continued.err.contains(
        QStringLiteral("continuing \"%1\" at row %2\n").arg(File("zoom-0002.png")).arg(stoppedAt).toUtf8()))
        << continued.err.toStdString();
    EXPECT_EQ(QFileInfo(File("zoom-0001.png")).lastModified(), firstWritten);
    ASSERT_EQ(Files(), QDir(whole.path()).entryList(QDir::Files, QDir::Name));
    for (const QString& frame : Files()) {
        EXPECT_EQ(app::FileBytes(File(frame)), app::FileBytes(whole.filePath(frame))) << frame.toStdString();
    }

    // A finished movie has nothing left to do, and writes nothing.
    const QDateTime lastWritten = QFileInfo(File("zoom-0003.png")).lastModified();
    Expect(0, stopped);
    EXPECT_EQ(QFileInfo(File("zoom-0003.png")).lastModified(), lastWritten);
}

// The PATH with an ffmpeg first on it that records its arguments and the bytes it reads, writes "video"
// to its output file and ends with `exitCode`.
QProcessEnvironment WithFakeFfmpeg(const QString& folder, int exitCode) {
    const QByteArray script =
        "#!/bin/sh\n"
        "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/arguments\"\n"
        "cat > \"$(dirname \"$0\")/received\"\n"
        "for last; do :; done\n"
        "echo video > \"$last\"\n"
        "exit " +
        QByteArray::number(exitCode) + "\n";
    const QString path = folder + QStringLiteral("/ffmpeg");
    app::WriteBytes(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       folder + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    return environment;
}

TEST_F(MovieRenderTest, VideoGetsEveryFrameFileThroughFfmpeg) {
    QTemporaryDir fake;
    const QStringList movie =
        kSeahorse + kZoomIn + QStringList{"--frames", "3",  "--video", File("zoom.mp4"), "--fps",
                                          "24",       "-q", "-o",      File("zoom.png")};
    Expect(0, movie, WithFakeFfmpeg(fake.path(), 0));

    const QStringList arguments = QString::fromUtf8(app::FileBytes(fake.filePath("arguments"))).split('\n');
    EXPECT_TRUE(arguments.join(' ').contains("-f image2pipe -c:v png -framerate 24 -i -"));
    EXPECT_TRUE(arguments.join(' ').contains("-pix_fmt yuv420p"));
    EXPECT_TRUE(arguments.join(' ').contains("-f mp4 " + File("zoom.mp4.part")));
    QByteArray frames;
    for (const char* frame : {"zoom-0001.png", "zoom-0002.png", "zoom-0003.png"}) {
        frames += app::FileBytes(File(frame));
    }
    EXPECT_EQ(app::FileBytes(fake.filePath("received")), frames);
    EXPECT_EQ(app::FileBytes(File("zoom.mp4")), "video\n");

    // A failing ffmpeg leaves the video there was and the frames, and says so.
    const RunResult failed = Expect(2, movie, WithFakeFfmpeg(fake.path(), 1));
    EXPECT_TRUE(failed.err.contains("ffmpeg could not make")) << failed.err.toStdString();
    EXPECT_EQ(app::FileBytes(File("zoom.mp4")), "video\n");
    EXPECT_EQ(Files(), QStringList({"zoom-0001.png", "zoom-0002.png", "zoom-0003.png", "zoom.mp4"}));
}

TEST_F(MovieRenderTest, BadMovieValuesExitWithOneLineAndWriteNothing) {
    QTemporaryDir noPrograms;
    QProcessEnvironment withoutFfmpeg = QProcessEnvironment::systemEnvironment();
    withoutFfmpeg.insert(QStringLiteral("PATH"), noPrograms.path());
    QTemporaryDir fake;
    const QProcessEnvironment withFfmpeg = WithFakeFfmpeg(fake.path(), 0);

    const QString output = File("zoom.png");
    const QList<std::tuple<QStringList, QProcessEnvironment, QByteArray>> cases{
        {{"--frames", "0", "-o", output},
         withFfmpeg,
         "--frames: \"0\" is not a whole number from 1 to 99999"},
        {{"--frames", "-4", "-o", output}, withFfmpeg, "--frames: \"-4\""},
        {{"--frames", "9", "--zoom-to", "0", "-o", output},
         withFfmpeg,
         "--zoom-to: \"0\" is not a magnification"},
        {{"--frames", "9", "--size", "65x48", "--video", File("zoom.mp4"), "-o", output},
         withFfmpeg,
         "--video needs frames of an even width and height; these are 65x48 pixels"},
        {{"--frames", "9", "--video", File("zoom.webm"), "-o", output},
         withoutFfmpeg,
         "--video needs ffmpeg"},
        {{"--zoom-to", "9", "-o", output}, withFfmpeg, "--zoom-to needs --frames N"},
    };
    for (const auto& [arguments, environment, problem] : cases) {
        const RunResult result = Expect(1, arguments, environment);
        EXPECT_TRUE(result.err.startsWith("zenphra-render: ")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(problem)) << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty()) << Files().join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(fake.filePath("arguments")));
}

}  // namespace
}  // namespace zenphra::cli
