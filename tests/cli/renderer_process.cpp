#include "tests/cli/renderer_process.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSize>

#include "app/common/engine_api.h"
#include "app/imagefiles/image_support.h"

namespace zenphra::cli {
namespace {

constexpr int kRunLimitMs = 120000;

}  // namespace

QString RendererPath() {
    const QString test = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(test).absolutePath() + QStringLiteral("/zenphra-render");
}

void StartRenderer(QProcess& process, const QStringList& arguments, const QProcessEnvironment& environment) {
    process.setProcessEnvironment(environment);
    process.start(RendererPath(), arguments);
    EXPECT_TRUE(process.waitForStarted()) << process.errorString().toStdString();
}

RunResult RunRenderer(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    StartRenderer(process, arguments, environment);
    EXPECT_TRUE(process.waitForFinished(kRunLimitMs));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return RunResult{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

app::FractalTextRecord ReadImageText(const QString& path) {
    const app::EngineApi& engine = app::Engine();
    EXPECT_GT(engine.ReadFractalFile(QFile::encodeName(path).constData()), 0) << path.toStdString();
    const app::ParsedFractalText parsed =
        app::ParseFractalText(app::LibraryFractalText(), app::LibraryFractalLocation());
    EXPECT_EQ(parsed.status, app::FractalTextStatus::kOk) << path.toStdString();
    return parsed.record;
}

QByteArray IndexBytes(const QString& path) {
    // A palette whose red byte is the entry's own index turns the shown bitmap back into the indices.
    static app::PaletteArrays identity = [] {
        app::PaletteArrays palette;
        for (int entry = 0; entry < app::kPaletteEntries; ++entry) palette.PalRed[entry] = uint8_t(entry);
        return palette;
    }();
    const app::EngineApi& engine = app::Engine();
    engine.SetColorPointers(identity.PalRed.data(), identity.PalGrn.data(), identity.PalBlu.data());
    const int32_t bitmap = engine.ReadFractalFile(QFile::encodeName(path).constData());
    engine.SetFractalColors();
    int32_t width = 0, height = 0, stride = 0, imageWidth = 0, imageHeight = 0;
    uint8_t* bits = nullptr;
    EXPECT_EQ(engine.GetBitmapInfo(bitmap, &width, &height, &stride, &bits), 1) << path.toStdString();
    engine.GetImageSize(&imageWidth, &imageHeight);
    EXPECT_EQ(QSize(width, height), QSize(imageWidth, imageHeight)) << "the image is not shown whole";
    QByteArray indices;
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column)
            indices += char(bits[row * stride + 3 * column + 2]);
    }
    return indices;
}

}  // namespace zenphra::cli
