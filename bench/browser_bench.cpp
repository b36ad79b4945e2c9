// How fast the image browser lists a folder: a folder of a thousand images must appear at once, so a
// listing reads names only and never opens a file.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/imagefiles/image_browser_model.h"

namespace {

// A thousand image files, with a few others the listing leaves out.
const QTemporaryDir& ThousandImages() {
    static const QTemporaryDir folder = [] {
        QTemporaryDir made;
        for (int i = 0; i < 1000; ++i)
            QFile(made.filePath(QStringLiteral("image%1.png").arg(i))).open(QIODevice::WriteOnly);
        for (int i = 0; i < 50; ++i)
            QFile(made.filePath(QStringLiteral("notes%1.txt").arg(i))).open(QIODevice::WriteOnly);
        return made;
    }();
    return folder;
}

void BM_ListThousandImages(benchmark::State& state) {
    const QString folder = ThousandImages().path();
    for (auto _ : state) {
        const QStringList files = zenphra::app::ListImageFiles(folder);
        if (files.size() != 1000) state.SkipWithError("the folder did not list 1000 images");
        benchmark::DoNotOptimize(files);
    }
}
BENCHMARK(BM_ListThousandImages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
