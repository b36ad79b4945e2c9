#include "cli/input_files.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/image_support.h"
#include "app/params/param_file.h"

namespace zenphra::cli {

std::optional<app::FractalTextRecord> ReadSavedImage(const QString& path) {
    const app::EngineApi& engine = app::Engine();
    if (app::ErrCheck(engine.ReadFractalFile(QFile::encodeName(path).constData()), path)) return std::nullopt;
    const app::ParsedFractalText parsed =
        app::ParseFractalText(QByteArray(engine.GetFractalText(), engine.GetFractalTextLen()));
    if (app::ShowUnsupportedImage(parsed.status)) return std::nullopt;
    if (parsed.status != app::FractalTextStatus::kOk) {
        app::ShowLoadError(path);
        return std::nullopt;
    }
    int32_t width = 0;
    int32_t height = 0;
    engine.GetImageSize(&width, &height);
    const app::FractalParams& params = parsed.record.params;
    if (width != params.HorRes || height != params.VertRes) {
        const auto number = [](int32_t value) { return QString::number(value); };
        app::ShowMessage(
            QStringLiteral("The file \"%1\" is damaged: its parameters are for %2x%3 pixels, "
                           "its image has %4x%5.")
                .arg(path, number(params.HorRes), number(params.VertRes), number(width), number(height)));
        return std::nullopt;
    }
    return parsed.record;
}

RenderSetup SetupOfImage(const app::FractalTextRecord& record, app::PaletteArrays& palette) {
    RenderSetup setup;
    app::CommitFractalText(record, setup.params, setup.colors, palette);
    return setup;
}

bool LoadNamedEntry(const QString& path, const QString& name, RenderSetup& setup,
                    app::PaletteArrays& palette) {
    const auto entries = app::ListEntriesForLoad(path);
    if (!entries) return false;
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
    return app::LoadEntry(path, entry->nameLine, setup.params, setup.colors, palette) ==
           app::EntryReadStatus::kRead;
}

}  // namespace zenphra::cli
