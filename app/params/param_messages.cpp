#include "app/params/param_messages.h"

#include "app/common/messages.h"

namespace zenphra::app {
namespace {

QString Quoted(const QString& path) { return QStringLiteral("\"") + path + QStringLiteral("\""); }

void ShowNotSupported(const QString& what, const QString& title) {
    ShowMessage(QStringLiteral("The ") + what +
                    QStringLiteral(" used in this parameter entry is not\r\n"
                                   "supported by Quorvex-Talmy Fractals Lite."),
                MessageIcon::kExclamation, title);
}

}  // namespace

void ShowFileCorrupt(const QString& path) {
    ShowMessage(QStringLiteral("The file ") + Quoted(path) + QStringLiteral(" is corrupt."));
}

void ShowErrorLoading(const QString& path) { ShowMessage(QStringLiteral("Error loading ") + Quoted(path)); }

void ShowErrorWriting(const QString& path) { ShowMessage(QStringLiteral("Error writing ") + Quoted(path)); }

void ShowErrorSaving(const QString& path) { ShowMessage(QStringLiteral("Error saving ") + Quoted(path)); }

void ShowEntryNotRead(EntryReadStatus status, const QString& path) {
    switch (status) {
        case EntryReadStatus::kRead:
            break;
        case EntryReadStatus::kEquationNotSupported:
            ShowNotSupported(QStringLiteral("equation"), QStringLiteral("Equation Not Supported"));
            break;
        case EntryReadStatus::kRenderingNotSupported:
            ShowNotSupported(QStringLiteral("rendering"), QStringLiteral("Rendering Not Supported"));
            break;
        case EntryReadStatus::kFaulty:
            ShowErrorLoading(path);
            break;
    }
}

}  // namespace zenphra::app
