// The program's file-name dialog: Qt's own file dialog, which looks and behaves the same on every
// desktop, set up as GetFname asks (title, one filter, default extension, starting folder, proposed file,
// open or save, overwrite question).
#pragma once

namespace zenphra::app {

void InstallFileDialogPresenter();

}  // namespace zenphra::app
