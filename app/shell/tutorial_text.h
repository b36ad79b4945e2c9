// The tutorial: a plain text file beside the program whose every line is one entry of the tutorial
// window's list. There is no other structure; topics are simply lines of text.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zenphra::app {

// The list entries of the tutorial text: every line with two blanks in front, empty lines included,
// so the text stands clear of the list's edge.
QStringList TutorialEntries(const QByteArray& text);

// "Tutorial file "<path>" not found.": the tutorial command's message when the file is missing.
QString TutorialNotFoundText(const QString& path);
// "Cannot find "<path>"": the tutorial window's message when the file cannot be read after all.
QString CannotFindText(const QString& path);

}  // namespace zenphra::app
