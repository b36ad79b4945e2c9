#include "app/imagefiles/file_dialog_box.h"

#include <QApplication>
#include <QFileDialog>

#include "app/imagefiles/get_fname.h"

namespace zenphra::app {
namespace {

std::optional<QString> ShowFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder, request.filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog accepts only a file that exists; a save dialog also a new name.
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFile.isEmpty()) dialog.selectFile(request.initialFile);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}

}  // namespace

void InstallFileDialogPresenter() { SetFileDialogPresenter(ShowFileDialog); }

}  // namespace zenphra::app
