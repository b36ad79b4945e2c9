#include "cli/console.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

#include "app/common/engine_api.h"
#include "app/common/messages.h"

namespace zenphra::cli {
namespace {

app::MessageAnswer PrintOneLine(const app::Message& message) {
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (message.title != app::kProgramTitle) text = message.title + QStringLiteral(": ") + text;
    std::fprintf(stderr, "%s: %s\n", kProgramName, qPrintable(text));
    return message.buttons == app::MessageButtons::kYesNo ? app::MessageAnswer::kNo : app::MessageAnswer::kOk;
}

}  // namespace

void PrintMessagesOnStandardError() { app::SetMessagePresenter(PrintOneLine); }

void PrintNote(bool quiet, const QString& text) {
    if (!quiet) std::fprintf(stderr, "%s: %s\n", kProgramName, qPrintable(text));
}

bool BindLibraryBesideProgram() {
    const QString path = app::EngineLibraryPath();
    if (!QFileInfo::exists(path)) {
        // The explorer's own words for a missing library.
        app::ShowMessage(QStringLiteral("The file \"") + path +
                             QStringLiteral("\" was not found.\r\nThe program will be terminated."),
                         app::MessageIcon::kCritical);
        return false;
    }
    QLibrary library(path);
    if (!library.load()) {
        app::ShowMessage(
            QStringLiteral("The library \"%1\" could not be loaded: %2").arg(path, library.errorString()));
        return false;
    }
    const QStringList missing = app::BindEngine(path);
    if (missing.isEmpty()) return true;
    app::ShowMessage(
        QStringLiteral("The library \"%1\" lacks %2.").arg(path, missing.join(QStringLiteral(", "))));
    return false;
}

}  // namespace zenphra::cli
