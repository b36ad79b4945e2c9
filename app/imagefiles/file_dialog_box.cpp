#include "app/imagefiles/file_dialog_box.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/common/messages.h"
#include "app/imagefiles/get_fname.h"

namespace zenphra::app {
namespace {

// A save dialog that takes only a name in a folder that is there: the dialog would otherwise return a
// path that cannot be written, and the next dialog would start in that folder.
class FileDialogBox : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && !chosen.isEmpty()) {
            const QString folder = QFileInfo(chosen.first()).absolutePath();
            if (!QFileInfo(folder).isDir()) {
                ShowMessage(QStringLiteral("The folder \"") + QDir::toNativeSeparators(folder) +
                                QStringLiteral("\" does not exist."),
                            MessageIcon::kExclamation, windowTitle());
                return;
            }
        }
        QFileDialog::accept();
    }
};

std::optional<QString> ShowFileDialog(const FileDialogRequest& request) {
    FileDialogBox dialog(QApplication::activeWindow(), request.title, request.startFolder, request.filter);
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
