// The image browser (frmLoadFile): the modal window in which the user picks an image file to load. It
// shows the drives, the folders and the PNG files of the current folder and, with "Show preview" ticked,
// a thumbnail of the selected file with its size, file size and time of last change. The rules live in
// ImageBrowserModel; the window shows what the model says.
#pragma once

#include <QDialog>

#include "app/imagefiles/image_browser_model.h"
#include "app/shell/form_position.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zenphra::app {

class ImageBrowser : public QDialog {
    Q_OBJECT

  public:
    ImageBrowser(FileLocations& locations, ImageFileMemory& memory, const WindowPositions& positions,
                 QWidget* parent);

    // The chosen path, or "Cancelled".
    const QString& SelectedImageFile() const { return model_.SelectedImageFile(); }

    // Escape, the window's close button and Cancel all choose nothing.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void DriveChosen(int index);
    void FolderChosen(int row);
    void FileChosen(int row);
    void LoadChosen();
    // Shows the model's drives, folders, files, selection and preview.
    void ShowModel();
    void ShowPreview();

    ImageBrowserModel model_;
    bool firstPaint_ = true;
    bool showing_ = false;  // the window itself is setting its lists
    QStringList shownFiles_;

    QComboBox* drvBox_ = nullptr;
    QListWidget* dirBox_ = nullptr;
    QListWidget* lstFiles_ = nullptr;
    QLabel* img_ = nullptr;
    QCheckBox* chkPreview_ = nullptr;
    QLabel* lblRes_ = nullptr;
    QLabel* lblFileSize_ = nullptr;
    QLabel* lblModified_ = nullptr;
    QPushButton* cmdLoad_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

// Shows the browser modally over `parent` and returns the path of the file chosen with Load, or
// "Cancelled" however else it was closed.
QString ShowImageBrowser(QWidget* parent, FileLocations& locations, ImageFileMemory& memory,
                         const WindowPositions& positions);

}  // namespace zenphra::app
