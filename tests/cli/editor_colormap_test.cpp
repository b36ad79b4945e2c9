// A colormap saved by the colormap editor colours the renderer's images exactly as the editor coloured
// the window's picture.
#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "app/colormaps/color_editor.h"
#include "app/colormaps/palette_colors.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/get_fname.h"
#include "app/common/engine_api.h"
#include "tests/app/test_support.h"
#include "tests/cli/renderer_process.h"

namespace zenphra::cli {
namespace {

using namespace app;

class EditorColormapTest : public EngineTest {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "editor_colormap_test";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);  // for QProcess
    }
    static void TearDownTestSuite() { application.reset(); }

    // The window's picture: the renderer's first-run image plotted here with the palette as it is now.
    static QImage WindowPicture(int32_t ranges) {
        FractalParams params;
        params.NumRanges = ranges;
        const int32_t bitmap = InitPlotWith(params, 0, 1);
        for (int32_t row = 0; row < params.VertRes; ++row) Engine().PlotFractal(row);
        int32_t width = 0, height = 0, stride = 0;
        uint8_t* bits = nullptr;
        EXPECT_EQ(Engine().GetBitmapInfo(bitmap, &width, &height, &stride, &bits), 1);
        return QImage(bits, width, height, stride, QImage::Format_BGR888)
            .convertToFormat(QImage::Format_RGB32);
    }

    static inline std::unique_ptr<QCoreApplication> application;
    QTemporaryDir folder;
};

TEST_F(EditorColormapTest, RendererColoursImagesAsTheEditorColouredTheWindow) {
    for (const int32_t ranges : {2, 4, 8}) {
        ColorMap colors;
        bool usingHLS = false;
        FileLocations locations = StartupLocations(folder.path());
        ApplyColormap(colors, ranges);
        ColorEditor editor(ColorEditorContext{palette, colors, ranges, usingHLS, locations, false, {}, {}},
                           180);
        // A range end by scrollbar, one by triangle, both single colours, and a rotation.
        editor.Select(kRangeEntries / ranges - 1);
        editor.SetRgb(RgbChannel::kGreen, 17);
        editor.Select(kRangeEntries / ranges);
        editor.DragTriangle(HlsStrip::kHue, 40);
        editor.DropTriangle(HlsStrip::kHue);
        editor.Select(kMaxIterEntry);
        editor.SetRgb(RgbChannel::kBlue, 200);
        editor.Select(kBackgroundEntry);
        editor.SetRgb(RgbChannel::kRed, 90);
        editor.Rotate(RotateDirection::kDown);
        const QString colormap = folder.filePath(QStringLiteral("Edited.cm%1").arg(ranges));
        const FileDialogPresenter previous =
            SetFileDialogPresenter([&](const FileDialogRequest&) { return colormap; });
        editor.SaveMap();
        SetFileDialogPresenter(previous);

        const QString image = folder.filePath(QStringLiteral("rendered%1.png").arg(ranges));
        const RunResult run = RunRenderer({"--colormap", colormap, "-q", "-o", image});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage rendered(image);
        ASSERT_EQ(rendered.format(), QImage::Format_Indexed8);
        for (int entry = 0; entry <= kBackgroundEntry; ++entry) {
            EXPECT_EQ(rendered.color(entry),
                      qRgb(palette.PalRed[entry], palette.PalGrn[entry], palette.PalBlu[entry]))
                << ranges << " ranges, entry " << entry;
        }
        EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32), WindowPicture(ranges))
            << ranges << " ranges";
    }
}

}  // namespace
}  // namespace zenphra::cli
