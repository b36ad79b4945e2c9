#include "app/shell/tutorial_text.h"

#include "app/common/text_lines.h"

namespace zenphra::app {

QStringList TutorialEntries(const QByteArray& text) {
    QStringList entries = SplitLines(text);
    for (QString& entry : entries) entry.prepend(QStringLiteral("  "));
    return entries;
}

QString TutorialNotFoundText(const QString& path) {
    return QStringLiteral("Tutorial file \"") + path + QStringLiteral("\" not found.");
}

QString CannotFindText(const QString& path) {
    return QStringLiteral("Cannot find \"") + path + QStringLiteral("\"");
}

}  // namespace zenphra::app
