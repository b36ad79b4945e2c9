#include "app/params/param_messages.h"

#include "app/common/messages.h"

namespace zenphra::app {
namespace {

QString Quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

}  // namespace

void ShowFileCorrupt(const QString& path) {
    ShowMessage(QStringLiteral("The file ") + Quoted(path) + QStringLiteral(" is corrupt."));
}

void ShowParameterFileCorrupt(const QString& path) {
    ShowMessage(QStringLiteral("The parameter file ") + Quoted(path) + QStringLiteral(" is corrupt."));
}

void ShowErrorLoading(const QString& path) { ShowMessage(QStringLiteral("Error loading ") + Quoted(path)); }

void ShowErrorWriting(const QString& path) { ShowMessage(QStringLiteral("Error writing ") + Quoted(path)); }

void ShowErrorSaving(const QString& path) { ShowMessage(QStringLiteral("Error saving ") + Quoted(path)); }

void ShowEquationNotSupported() {
    ShowMessage(QStringLiteral("The equation used in this parameter entry is not\r\n"
                               "supported by Quorvex-Talmy Fractals Lite."),
                MessageIcon::kExclamation, QStringLiteral("Equation Not Supported"));
}

void ShowRenderingNotSupported() {
    ShowMessage(QStringLiteral("The rendering used in this parameter entry is not\r\n"
                               "supported by Quorvex-Talmy Fractals Lite."),
                MessageIcon::kExclamation, QStringLiteral("Rendering Not Supported"));
}

}  // namespace zenphra::app
