#include "app/imagefiles/image_support.h"

#include "app/common/messages.h"

namespace zenphra::app {
namespace {

const QString kNotSupportedLine = QStringLiteral("\r\nby Quorvex-Talmy Fractals Lite.");

}  // namespace

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

}  // namespace zenphra::app
