// The image file commands: "&Save Image File" writes the image with its parameters, "&Load Image File"
// picks an image in the browser and takes it as the current image, half-finished or complete. Both put
// the window into its busy state and show the busy pointer, and restore both on every way out.
#include "app/explorer/explorer_window.h"
#include "app/imagefiles/get_fname.h"
#include "app/imagefiles/image_browser.h"
#include "app/imagefiles/image_save.h"
#include "app/imagefiles/image_support.h"
#include "app/shell/busy_pointer.h"

namespace zenphra::app {

void ExplorerWindow::ConnectFileCommands() {
    connect(ui_.cmdSaveImage, &QPushButton::clicked, this, &ExplorerWindow::SaveImage);
    connect(ui_.cmdLoadImage, &QPushButton::clicked, this, &ExplorerWindow::LoadImage);
}

void ExplorerWindow::SaveImage() {
    const CommandGuard command(*this, &ControlStates::SaveImage);
    if (!command || !CommitFocusedField() || !Checked(session_.CheckPanel(PanelTextsNow()))) return;
    ShowParams();
    const Held held = HeldByFileCommand();
    QString path;
    do {
        path = GetFname(kSaveImageDialog, session_.Params().NumRanges, locations_);
    } while (path == kBadExtension);
    if (path == kCancelled) return;
    const BusyPointer busy;
    if (SaveImageFile(path, session_.Params(), session_.PlotRow(), session_.Palette())) {
        setWindowTitle(ImageFileCaption(path));
    }
}

void ExplorerWindow::LoadImage() {
    const CommandGuard command(*this, &ControlStates::LoadImage);
    if (!command) return;
    QString path;
    {
        const Held held = HeldByFileCommand();
        path = ShowImageBrowser(this, locations_, imageMemory_, positions_);
    }
    if (path != kCancelled) LoadImageFrom(path);
}

// Takes the image file as the current image, as the load command does with the file chosen in the
// browser; a file it cannot take leaves everything as it was.
void ExplorerWindow::LoadImageFrom(const QString& path) {
    const CommandGuard command(*this, &ControlStates::LoadImage);
    if (!command) return;
    const Held held = HeldByFileCommand();
    const BusyPointer busy;
    const ImageLoad load = session_.LoadImage(path);
    if (load.Status == LoadStatus::kImageReplaced) ShowNoImage();
    if (load.Status != LoadStatus::kLoaded) return;

    imageMemory_.CurrentImageFile = path;
    ShowResolutionOfImage();
    ShowParams();
    UpdateBandingItem();
    ShowRowLabel(load.Image.RowLabel);
    SizePicture();
    ui_.pic->ClearPicture();
    ui_.pic->ShowBitmap(session_.Bitmap());
    setWindowTitle(ImageFileCaption(path));
}

}  // namespace zenphra::app
