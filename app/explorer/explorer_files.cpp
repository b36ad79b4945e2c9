// The image file commands: "&Save Image File" writes the image with its parameters, "&Load Image File"
// picks an image in the browser and takes it as the current image, half-finished or complete. Both put
// the window into its busy state and show the busy pointer, and restore both on every way out.
#include <QApplication>

#include "app/explorer/explorer_window.h"
#include "app/explorer/option_group.h"
#include "app/imagefiles/get_fname.h"
#include "app/imagefiles/image_browser.h"
#include "app/imagefiles/image_save.h"
#include "app/imagefiles/image_support.h"

namespace zenphra::app {
namespace {

// The busy pointer over the whole program while a file is written or read.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

// The window is busy while a file command runs, and idle again however the command ends.
class ExplorerWindow::FileCommand {
  public:
    explicit FileCommand(ExplorerWindow& window) : window_(window) {
        window_.session_.flags.FileBusy = true;
        window_.ApplyControlStates();
    }
    ~FileCommand() {
        window_.session_.flags.FileBusy = false;
        window_.ApplyControlStates();
    }
    FileCommand(const FileCommand&) = delete;
    FileCommand& operator=(const FileCommand&) = delete;

  private:
    ExplorerWindow& window_;
};

void ExplorerWindow::ConnectFileCommands() {
    connect(ui_.cmdSaveImage, &QPushButton::clicked, this, &ExplorerWindow::SaveImage);
    connect(ui_.cmdLoadImage, &QPushButton::clicked, this, &ExplorerWindow::LoadImage);
}

void ExplorerWindow::SaveImage() {
    if (!CommitFocusedField() || !ValidateParams()) return;
    const FileCommand command(*this);
    QString path;
    do {
        path = GetFname(kSaveImageDialog, session_.params.NumRanges, locations_);
    } while (path == kBadExtension);
    if (path == kCancelled) return;
    const BusyPointer busy;
    if (SaveImageFile(path, session_.params, session_.PlotRow, session_.palette)) {
        setWindowTitle(ImageFileCaption(path));
    }
}

void ExplorerWindow::LoadImage() {
    const FileCommand command(*this);
    const QString path = ShowImageBrowser(this, locations_, imageMemory_, positions_);
    if (path == kCancelled) return;
    const BusyPointer busy;
    const ImageLoad load = LoadImageFile(path, session_.params, session_.colors, session_.palette);
    if (load.Status == LoadStatus::kImageReplaced) ForgetImage();
    if (load.Status != LoadStatus::kLoaded) return;

    imageMemory_.CurrentImageFile = path;
    session_.ImageLoaded(load.Image);
    WindowFlags& flags = session_.flags;
    flags.Loading = true;
    // A width without an option of its own is a custom size: no option stays selected.
    OptionGroup::Clear(ui_.optCustom);
    if (load.Image.CustomSize) {
        resolutionOptions_->SelectNone();
    } else {
        SelectResolutionOf(session_.params.HorRes, session_.params.VertRes);
    }
    flags.Loading = false;
    ShowParams();
    UpdateBandingItem();
    ui_.lblY->setText(load.Image.RowLabel);
    SizePicture();
    ui_.pic->ClearPicture();
    ui_.pic->ShowBitmap(session_.Bitmap);
    setWindowTitle(ImageFileCaption(path));
}

}  // namespace zenphra::app
