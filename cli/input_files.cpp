#include "cli/input_files.h"

#include <QStringList>
#include <algorithm>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/image_support.h"
#include "app/params/param_file.h"
#include "app/params/param_messages.h"

namespace zenphra::cli {

std::optional<app::LoadedImage> ReadSavedImage(const QString& path, app::PaletteArrays& palette) {
    const app::ImageLoad load = app::LoadImageFile(path, app::FractalParams(), app::ColorMap(), palette);
    if (load.Status != app::LoadStatus::kLoaded) return std::nullopt;
    return load.Image;
}

RenderSetup SetupOfImage(const app::LoadedImage& image) { return RenderSetup{image.Params, image.Colors}; }

bool LoadNamedEntry(const QString& path, const QString& name, RenderSetup& setup,
                    app::PaletteArrays& palette) {
    const auto entries = app::ListEntriesForLoad(path);
    if (!entries) {
        app::ShowFileCorrupt(path);
        return false;
    }
    const auto entry = std::ranges::find(*entries, name, &app::EntryName::name);
    if (entry == entries->end()) {
        QStringList names;
        for (const app::EntryName& each : *entries) names << QLatin1Char('"') + each.name + QLatin1Char('"');
        const QString problem = name.isEmpty() ? QStringLiteral("--entry NAME is needed")
                                               : QStringLiteral("There is no entry \"%1\"").arg(name);
        app::ShowMessage(QStringLiteral("%1; the entries of \"%2\" are %3.")
                             .arg(problem, path, names.join(QStringLiteral(", "))));
        return false;
    }
    setup.params.HorRes = kEntryHorRes;
    setup.params.VertRes = kEntryVertRes;
    const app::EntryReadStatus status =
        app::LoadEntry(path, entry->nameLine, setup.params, setup.colors, palette);
    app::ShowEntryNotRead(status, path);
    return status == app::EntryReadStatus::kRead;
}

}  // namespace zenphra::cli
