#include "app/shell/startup_check.h"

#include <QFileInfo>

#include "app/common/engine_api.h"
#include "app/common/messages.h"

namespace zenphra::app {

bool CheckEngineLibrary(const QString& libraryPath) {
    // A library that loads but lacks an export is as unusable as a missing one, so both get the message.
    if (QFileInfo(libraryPath).isFile() && BindEngine(libraryPath).isEmpty()) return true;
    ShowMessage(QStringLiteral("The file \"") + libraryPath +
                    QStringLiteral("\" was not found.\r\nThe program will be terminated."),
                MessageIcon::kCritical);
    return false;
}

}  // namespace zenphra::app
