#include "app/imagefiles/image_load.h"

#include <QFile>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/imagefiles/image_support.h"

namespace zenphra::app {
namespace {

LoadedImage TakeOver(const FractalTextRecord& record, int32_t bitmap, const FractalParams& current,
                     const ColorMap& colors, PaletteArrays& palette) {
    LoadedImage image;
    image.Params = current;
    image.Colors = colors;
    CommitFractalText(record, image.Params, image.Colors, palette);
    NoteCustomSize(image.Params);
    // The file's own palette is not used: the colours come from its text.
    ApplyColormap(image.Colors, image.Params.NumRanges);
    const int32_t coloured = Engine().SetFractalColors();
    image.Bitmap = coloured > 0 ? coloured : bitmap;
    image.Resume = ResumePointOf(record);
    image.RowLabel = image.Resume.Done ? QStringLiteral("Done") : QString::number(record.StartY);
    return image;
}

}  // namespace

ImageLoad LoadImageFile(const QString& path, const FractalParams& current, const ColorMap& colors,
                        PaletteArrays& palette) {
    const EngineApi& engine = Engine();
    const QByteArray name = QFile::encodeName(path);
    int32_t width = 0;
    int32_t height = 0;
    if (LibraryReadFailed(engine.GetThumbnail(name.constData()), path)) return {};
    engine.GetThumbnailSize(&width, &height);
    if (!CheckImageText(path, width, height)) return {};

    const int32_t bitmap = engine.ReadFractalFile(name.constData());
    if (LibraryReadFailed(bitmap, path)) return {};
    // What counts is what was read now, should the file have changed since it was checked.
    engine.GetImageSize(&width, &height);
    const std::optional<FractalTextRecord> record = CheckImageText(path, width, height);
    if (!record) return {LoadStatus::kImageReplaced, {}};
    return {LoadStatus::kLoaded, TakeOver(*record, bitmap, current, colors, palette)};
}

}  // namespace zenphra::app
