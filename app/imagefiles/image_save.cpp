#include "app/imagefiles/image_save.h"

#include <QFile>

#include "app/common/engine_api.h"
#include "app/imagefiles/fractal_text.h"

namespace zenphra::app {

int32_t SaveImageFile(const QString& path, const FractalParams& params, int32_t startY,
                      const PaletteArrays& palette) {
    const QByteArray text = BuildFractalText(params, startY, palette);
    return Engine().WriteFractalFile(QFile::encodeName(path).constData(), text.constData());
}

}  // namespace zenphra::app
