// The image browser without its window: the drives, the folders and the PNG files of the current folder,
// the file selected, and its preview (a thumbnail in the image's own colours with its size, file size and
// time of last change). A folder is listed by name only, so a folder of a thousand images lists at once;
// a preview is made for the selected file alone.
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "app/common/color_map.h"
#include "app/common/program_folders.h"

namespace zenphra::app {

// What the image commands remember for the whole run: the last image loaded, and where the browser was
// when an image was last chosen with its Load button.
struct ImageFileMemory {
    QString CurrentImageFile;  // set by the window when an image was loaded; empty before
    QString Drive;
    QString Folder;
    QString File;  // the file name
    bool ShowPreview = true;
};

// One line of the folder list: the folders from the drive down to the current one, then its subfolders.
struct FolderEntry {
    QString Path;
    QString Name;
    int Depth = 0;  // indentation: 0 for the drive itself
    bool Current = false;
};

struct ImagePreview {
    int32_t Bitmap = 0;  // the library's thumbnail bitmap, valid until the next preview
    QSize Shown;         // the part of it to show: at most 160 x 120
    QString Resolution;  // "1600 x 1200"
    QString FileSize;    // in bytes
    QString Modified;    // date and time in the user's locale
};

// The PNG files of the folder ("*.png" in any case), by name; nothing else is read of them.
QStringList ListImageFiles(const QString& folder);

// The drives: the root of the file system and the user's home folder.
QStringList ImageDrives();

class ImageBrowserModel {
  public:
    // Opens at the image load folder, on its drive, with its files listed and none selected. The
    // browser's own palette is lent to the library until the model ends.
    ImageBrowserModel(FileLocations& locations, ImageFileMemory& memory);
    ~ImageBrowserModel();
    ImageBrowserModel(const ImageBrowserModel&) = delete;
    ImageBrowserModel& operator=(const ImageBrowserModel&) = delete;

    const QStringList& Drives() const { return drives_; }
    const QString& Drive() const { return drive_; }
    const QString& Folder() const { return folder_; }
    const QList<FolderEntry>& Folders() const { return folders_; }
    const QStringList& Files() const { return files_; }
    int SelectedFile() const { return selectedFile_; }  // -1 for none
    bool CanLoad() const { return selectedFile_ >= 0; }
    const std::optional<ImagePreview>& Preview() const { return preview_; }
    // The chosen path, or "Cancelled".
    const QString& SelectedImageFile() const { return selectedImageFile_; }
    // Whether a click previews the file; kept for the run.
    bool ShowPreview() const { return memory_.ShowPreview; }
    void SetShowPreview(bool show) { memory_.ShowPreview = show; }

    // The window is shown: when an image has been loaded in this run, goes back to the folder and file
    // of the last Load (the first file when that one is gone); otherwise selects the first file. The file
    // selected is previewed (see ClickFile).
    void Start();

    // Opens the root of the drive. False, after the message "Error accessing drive.", when it cannot be
    // read: the browser then closes as cancelled.
    bool ChooseDrive(const QString& drive);
    // Lists the folder's files and clears the preview; once the window is shown, selects the first file.
    void OpenFolder(const QString& folder);
    // Selects the file and, when previews are shown, previews it: a file that cannot be previewed gets its
    // message and no preview, but stays selected and can still be loaded. Without previews the preview
    // shown stays as it is. A file is previewed once while it stays selected: clicked again it is
    // previewed only when it was not (it was selected while previews were off).
    void ClickFile(int index);

    // The selected file is chosen: its drive, folder and name are remembered, and its folder becomes the
    // image load folder.
    void Load();
    void Cancel();

  private:
    std::optional<ImagePreview> MakePreview(const QString& path);

    FileLocations& locations_;
    ImageFileMemory& memory_;
    PaletteArrays thumbnailPalette_;
    QStringList drives_;
    QString drive_;
    QString folder_;
    QList<FolderEntry> folders_;
    QStringList files_;
    int selectedFile_ = -1;
    std::optional<ImagePreview> preview_;
    int previewed_ = -1;  // the file the preview was last made for, shown or refused; -1 for none
    QString selectedImageFile_;
    bool started_ = false;  // the window has been shown
};

}  // namespace zenphra::app
