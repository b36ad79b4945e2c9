#include "app/imagefiles/image_support.h"

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/imagefiles/err_check.h"

namespace zenphra::app {
namespace {

const QString kNotSupportedLine = QStringLiteral("\r\nby Quorvex-Talmy Fractals Lite.");

}  // namespace

QByteArray LibraryFractalText() {
    const EngineApi& engine = Engine();
    return QByteArray(engine.GetFractalText(), engine.GetFractalTextLen());
}

QByteArray LibraryFractalLocation() {
    const EngineApi& engine = Engine();
    return QByteArray(engine.GetFractalLocation(), engine.GetFractalLocationLen());
}

bool LibraryReadFailed(int32_t result, const QString& path) {
    if (ErrCheck(result, path)) return true;
    if (result > 0) return false;
    ShowLoadError(path);
    return true;
}

std::optional<FractalTextRecord> CheckImageText(const QString& path, int32_t width, int32_t height) {
    const ParsedFractalText parsed = ParseFractalText(LibraryFractalText(), LibraryFractalLocation());
    if (ShowUnsupportedImage(parsed.status)) return std::nullopt;
    // A text that describes another size than the pixels beside it would plot and resume the wrong rows.
    const FractalParams& params = parsed.record.params;
    if (parsed.status != FractalTextStatus::kOk || params.HorRes != width || params.VertRes != height) {
        ShowLoadError(path);
        return std::nullopt;
    }
    return parsed.record;
}

bool ShowUnsupportedImage(FractalTextStatus status) {
    if (status == FractalTextStatus::kUnsupportedEquation) {
        ShowMessage(QStringLiteral("The equation used in this image is not supported") + kNotSupportedLine,
                    MessageIcon::kExclamation, QStringLiteral("Equation Not Supported"));
        return true;
    }
    if (status == FractalTextStatus::kUnsupportedRendering) {
        ShowMessage(QStringLiteral("The rendering used in this image is not supported") + kNotSupportedLine,
                    MessageIcon::kExclamation, QStringLiteral("Rendering Not Supported"));
        return true;
    }
    return false;
}

void ShowLoadError(const QString& path) {
    ShowMessage(QStringLiteral("Error loading \"") + path + QStringLiteral("\""));
}

QString ImageFileCaption(const QString& path) {
    return QLatin1Char(' ') + kProgramTitle + QStringLiteral("    File: ") + path;
}

}  // namespace zenphra::app
