// How long the explorer window takes to plot the seahorse valley (classic set, "Level Set", 5000
// iterations, 1600 x 1200) from Alt+P to "Done", beside zenphra-render making the same image in the same
// run. Needs a real display: bench/window_vs_renderer.sh runs it on a virtual X server of its own.
//
//   zenphra_window_bench [REPEATS]   (default 3; the best time of each counts, as the machine is shared)
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/common/engine_api.h"
#include "app/explorer/explorer_window.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/message_box.h"
#include "app/shell/startup_check.h"

using namespace zenphra::app;

namespace {

constexpr const char* kCenterReal = "-0.743643887037151";
constexpr const char* kCenterImag = "0.131825904205330";

void StoreSeahorseValley() {
    const CRegSettings store;
    const std::pair<const char*, const char*> values[] = {
        {"EqnType", "0"},
        {"Rendering", "14"},
        {"MaxIters", "5000"},
        {"HorRes", "1600"},
        {"VertRes", "1200"},
        {"PrevRealCenter", kCenterReal},
        {"PrevImagCenter", kCenterImag},
        {"TotalMagnify", "225000"},
    };
    for (const auto& [key, value] : values) {
        store.SaveSetting(kExplorerSection, QString::fromLatin1(key), QString::fromLatin1(value));
    }
}

// From the key press to the window showing "Done", in milliseconds.
double WindowPlot() {
    ExplorerWindow window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the explorer window did not become active");
    const QLabel* row = window.findChild<QLabel*>(QStringLiteral("lblY"));
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    if (!QTest::qWaitFor([&] { return row->text() == QStringLiteral("Done"); }, 60000)) {
        qFatal("the plot did not end");
    }
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    // The run reports its end just after its last frame; the window closes only once it is idle.
    if (!QTest::qWaitFor([&] { return !window.Session().RunGoing(); }, 60000)) qFatal("the run did not end");
    window.close();
    return elapsed;
}

// zenphra-render making the same image, file included, in milliseconds.
double RendererPlot(const QString& output) {
    const QString renderer = QCoreApplication::applicationDirPath() + QStringLiteral("/zenphra-render");
    const QStringList arguments{"--quiet",
                                "--size",
                                "1600x1200",
                                "--iters",
                                "5000",
                                "--center",
                                QStringLiteral("%1,%2").arg(kCenterReal, kCenterImag),
                                "--magnify",
                                "225000",
                                "-o",
                                output};
    QElapsedTimer timer;
    timer.start();
    if (QProcess::execute(renderer, arguments) != 0) qFatal("zenphra-render failed");
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int repeats = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 3;
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (!CheckEngineLibrary(EngineLibraryPath())) return 1;
    InstallMessageBoxPresenter();
    StoreSeahorseValley();

    double window = std::numeric_limits<double>::max();
    double renderer = std::numeric_limits<double>::max();
    for (int repeat = 0; repeat < repeats; ++repeat) {
        window = std::min(window, WindowPlot());
        renderer = std::min(renderer, RendererPlot(settings.filePath(QStringLiteral("seahorse.png"))));
    }
    std::printf("seahorse valley, 1600 x 1200, 5000 iterations, best of %d\n", repeats);
    std::printf("  window, Alt+P to \"Done\":        %7.1f ms\n", window);
    std::printf("  zenphra-render, with its file:   %7.1f ms\n", renderer);
    std::printf("  window / renderer:               %7.2f (mark: at most 1.5)\n", window / renderer);
    return window <= 1.5 * renderer ? 0 : 2;
}
