// The messages of the parameter-file commands and dialogs, each naming the file where it has one.
#pragma once

#include <QString>

namespace zenphra::app {

// The load dialog: the file cannot be read or its entries are not well formed.
void ShowFileCorrupt(const QString& path);
// The load command: applying a loaded entry failed.
void ShowParameterFileCorrupt(const QString& path);

void ShowErrorLoading(const QString& path);
void ShowErrorWriting(const QString& path);
void ShowErrorSaving(const QString& path);

// A loaded entry uses an equation or a rendering this edition does not have.
void ShowEquationNotSupported();
void ShowRenderingNotSupported();

}  // namespace zenphra::app
