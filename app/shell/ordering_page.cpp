#include "app/shell/ordering_page.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/common/messages.h"

namespace zenphra::app {

void OpenOrderingPage() {
    if (!QDesktopServices::openUrl(QUrl(kOrderingPage))) {
        ShowMessage(QStringLiteral("Unable to locate default web browser."), MessageIcon::kNone);
    }
}

}  // namespace zenphra::app
