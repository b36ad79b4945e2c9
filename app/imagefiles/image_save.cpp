#include "app/imagefiles/image_save.h"

#include <QFile>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/common/text_lines.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/fractal_text.h"

namespace zenphra::app {

std::optional<QByteArray> FractalTextToSave(const FractalParams& params, int32_t plotRow,
                                            const PaletteArrays& palette) {
    QByteArray text = BuildFractalText(params, StartYToSave(plotRow, params.VertRes), palette);
    // The library refuses such a text too, but only with a code that speaks of the file.
    if (text.size() > ZENPHRA_TEXT_CAPACITY) {
        ShowMessage(QStringLiteral("The parameters of this image are too long to be saved with it."));
        return std::nullopt;
    }
    return text;
}

bool SaveImageFile(const QString& path, const FractalParams& params, int32_t plotRow,
                   const PaletteArrays& palette) {
    const std::optional<QByteArray> text = FractalTextToSave(params, plotRow, palette);
    if (!text) return false;
    // The library would rename its new file over one marked read-only, as the folder allows it.
    if (IsMarkedReadOnly(path)) {
        ShowMessage(QStringLiteral("Error saving \"") + path + QStringLiteral("\""));
        return false;
    }
    const QByteArray location = BuildLocationText(params);
    const int32_t result = Engine().WriteFractalFileDeep(QFile::encodeName(path).constData(),
                                                         text->constData(), location.constData());
    return !ErrCheck(result, path);
}

}  // namespace zenphra::app
