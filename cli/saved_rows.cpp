#include "cli/saved_rows.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include "app/common/engine_api.h"
#include "app/imagefiles/image_support.h"

namespace zenphra::cli {

bool SameImage(const app::FractalTextRecord& saved, const app::FractalTextRecord& wanted) {
    return saved.params == wanted.params && saved.RangeColors == wanted.RangeColors &&
           saved.MaxIterColor == wanted.MaxIterColor && saved.BgColor == wanted.BgColor;
}

int32_t RowsOnDisk(const QString& path, const app::FractalTextRecord& wanted) {
    if (!QFileInfo::exists(path)) return 0;
    const app::EngineApi& engine = app::Engine();
    if (engine.ReadFractalFile(QFile::encodeName(path).constData()) < 0) return 0;
    const app::ParsedFractalText saved =
        app::ParseFractalText(app::LibraryFractalText(), app::LibraryFractalLocation());
    int32_t width = 0;
    int32_t height = 0;
    engine.GetImageSize(&width, &height);
    const app::FractalParams& params = wanted.params;
    const bool same = saved.status == app::FractalTextStatus::kOk && width == params.HorRes &&
                      height == params.VertRes && SameImage(saved.record, wanted);
    if (!same) return 0;
    const app::ResumePoint resume = app::ResumePointOf(saved.record);
    return resume.Done ? params.VertRes : resume.StartY;
}

}  // namespace zenphra::cli
