// The renderer on a console: messages as single lines on standard error, and the plotting library bound
// from beside the program.
#pragma once

#include <QString>

namespace zenphra::cli {

inline constexpr char kProgramName[] = "zenphra-render";

// Every message from here on is printed as one line on standard error, "zenphra-render: " first, its
// title after that unless it is the program's own, its line breaks turned into blanks.
void PrintMessagesOnStandardError();

// Prints a line of news ("continuing ...") on standard error, "zenphra-render: " first, unless quiet.
void PrintNote(bool quiet, const QString& text);

// Binds the library lying beside the program (QCoreApplication must exist). Shows one line and returns
// false when the file is not there, cannot be loaded, or lacks an export.
bool BindLibraryBesideProgram();

}  // namespace zenphra::cli
