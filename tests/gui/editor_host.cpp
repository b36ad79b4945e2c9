#include "tests/gui/editor_host.h"

#include <QCoreApplication>
#include <QScreen>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/explorer/explorer_controls.h"
#include "app/explorer/plot_call.h"
#include "app/shell/startup_check.h"

namespace zenphra::app {

EditorHost::EditorHost(int32_t ranges, QSize imageSize)
    : locations(StartupLocations(QCoreApplication::applicationDirPath())),
      numRanges(ranges),
      picture_(new PictureBox(this)) {
    if (Engine().SetColorPointers == nullptr && !CheckEngineLibrary(EngineLibraryPath()))
        qFatal("no library");
    setWindowTitle(QStringLiteral("Picture behind the colormap editor"));
    Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
    ApplyColormap(colors, numRanges);

    FractalParams params;
    params.HorRes = imageSize.width();
    params.VertRes = imageSize.height();
    params.NumRanges = numRanges;
    shown_ = ComputeDisplayFactor(params.HorRes, params.VertRes);
    bitmap_ = InitPlotWith(params, 0, shown_.ImageFactor);
    if (bitmap_ <= 0) qFatal("the image could not be plotted");
    for (int32_t row = 0; row < params.VertRes; ++row) Engine().PlotFractal(row);

    // The main window's width, with the picture where the main window shows it.
    setFixedSize(kExplorerWidth, 560);
    const QSize framed(shown_.PicWidth + 2 * kPictureBorder, shown_.PicHeight + 2 * kPictureBorder);
    picture_->setGeometry(QRect(kImageAreaCenter - QPoint(framed.width() / 2, framed.height() / 2), framed));
    picture_->ShowBitmap(bitmap_);
}

EditorHost::~EditorHost() { Engine().SetColorPointers(nullptr, nullptr, nullptr); }

ColorEditorContext EditorHost::Context() {
    const double dpiX = screen()->logicalDotsPerInchX();
    const EditorPlacement placement{frameGeometry(),
                                    QRect(picture_->mapToGlobal(QPoint(0, 0)), picture_->size()), dpiX > 96.0,
                                    1440.0 / dpiX, 1440.0 / screen()->logicalDotsPerInchY()};
    return ColorEditorContext{palette, colors, numRanges, usingHLS, locations, true, placement, [this] {
                                  ++recolourings_;
                                  picture_->ShowBitmap(bitmap_);
                              }};
}

QImage EditorHost::LibraryBitmap() const {
    int32_t width = 0, height = 0, stride = 0;
    uint8_t* bits = nullptr;
    if (Engine().GetBitmapInfo(bitmap_, &width, &height, &stride, &bits) == 0) return {};
    return QImage(bits, width, height, stride, QImage::Format_BGR888).convertToFormat(QImage::Format_RGB32);
}

}  // namespace zenphra::app
