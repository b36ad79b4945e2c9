// How fast one colour change in the colormap editor reaches the screen: the library fills the edited
// range and re-colours the 512 x 384 display bitmap from the palette, and the main picture is repainted
// with it. A change must take well under one frame (16 ms) for the picture to follow the user's hand.
// Runs on the offscreen platform unless another is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <memory>

#include "app/colormaps/color_editor.h"
#include "app/colormaps/palette_colors.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/picture_box.h"
#include "app/explorer/plot_call.h"
#include "app/common/engine_api.h"

namespace {

using namespace zenphra::app;

// The program's palette and a plotted 512 x 384 image, shown whole in a picture box.
struct Scene {
    PaletteArrays palette;
    ColorMap colors;
    bool usingHLS = false;
    FileLocations locations;
    QWidget window;
    PictureBox* picture = new PictureBox(&window);
    int32_t bitmap = 0;
    const QSize shown{ZENPHRA_DISPLAY_MAX_WIDTH, ZENPHRA_DISPLAY_MAX_HEIGHT};

    Scene() {
        Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
        ApplyColormap(colors, 8);
        FractalParams params;
        params.HorRes = shown.width();
        params.VertRes = shown.height();
        bitmap = InitPlotWith(params, 0, 1);
        for (int32_t row = 0; row < params.VertRes; ++row) Engine().PlotFractal(row);
        picture->setGeometry(0, 0, shown.width() + 2 * kPictureBorder, shown.height() + 2 * kPictureBorder);
        window.resize(picture->size());
        window.show();
        Show();
    }

    // The picture takes the re-coloured bitmap and is painted at once, as the screen would show it.
    void Show() {
        picture->ShowBitmap(bitmap);
        picture->repaint();
    }

    ColorEditorContext Context() {
        return ColorEditorContext{palette, colors, 8, usingHLS, locations, true, EditorPlacement{}, [this] { Show(); }};
    }
};

Scene* scene = nullptr;

// A scrollbar of a range end moves one step: the range is filled again, the image re-coloured and shown.
void RangeEndColourChange(benchmark::State& state) {
    ColorEditor editor(scene->Context(), 180);
    editor.Select(28);
    int32_t red = 0;
    for (auto _ : state) editor.SetRgb(RgbChannel::kRed, red++ & 0xFF);
}
BENCHMARK(RangeEndColourChange)->Unit(benchmark::kMillisecond);

// The maximum-iteration colour changes: the palette entry is written and the image re-coloured and shown.
void MaxIterColourChange(benchmark::State& state) {
    ColorEditor editor(scene->Context(), 180);
    editor.Select(kMaxIterEntry);
    int32_t green = 0;
    for (auto _ : state) editor.SetRgb(RgbChannel::kGreen, green++ & 0xFF);
}
BENCHMARK(MaxIterColourChange)->Unit(benchmark::kMillisecond);

// The two halves alone: the library's re-colouring, and the repaint of the picture.
void RecolourOnly(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Engine().SetFractalColors());
}
BENCHMARK(RecolourOnly)->Unit(benchmark::kMillisecond);

void RepaintOnly(benchmark::State& state) {
    for (auto _ : state) scene->Show();
}
BENCHMARK(RepaintOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString library = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!BindEngine(QFileInfo(library).absolutePath() + QStringLiteral("/libZenphra.so")).isEmpty()) {
        std::fprintf(stderr, "the plotting library must lie beside the benchmark\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    auto shown = std::make_unique<Scene>();
    scene = shown.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
