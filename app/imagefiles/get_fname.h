// The file-name dialogs: loading and saving images, colormaps and parameter files. Each kind has its
// title, filter, default extension and a remembered starting folder; a chosen name must end in the
// kind's extension, and the folder (and for parameter files the file) chosen is remembered for the
// next dialog of the same kind.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/common/program_folders.h"

namespace zenphra::app {

enum DialogType : int16_t {
    kLoadImageDialog = 0,
    kSaveImageDialog = 1,
    kLoadColormapDialog = 2,
    kSaveColormapDialog = 3,
    kLoadParamsDialog = 4,
    kSaveParamsDialog = 5,
};

inline const QString kCancelled = QStringLiteral("Cancelled");
inline const QString kBadExtension = QStringLiteral("BadExtension");

// What the dialog is asked to show.
struct FileDialogRequest {
    QString title;
    QString filter;            // one entry: description and pattern, "Parameter Files [*.PRM] (*.prm)"
    QString defaultExtension;  // without the dot, added to a name typed without one
    QString startFolder;
    QString initialFile;  // proposed in the name box, empty for none
    bool save = false;    // a save dialog rather than an open dialog (which needs an existing file)
    bool confirmOverwrite = false;
};

// Shows the dialog and returns the chosen path, or nothing when the user cancels.
using FileDialogPresenter = std::function<std::optional<QString>(const FileDialogRequest&)>;

// Installs the routine that shows file dialogs and returns the one it replaces. Without one, every
// dialog is cancelled.
FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter);

// The folder itself when it is there, else the nearest folder above it that is: where a dialog starts
// when the folder it remembers has gone (or was never made).
QString NearestExistingFolder(const QString& folder);

// Asks for a file name of the given kind. The dialog starts in the kind's remembered folder, or the
// nearest one above it that is there. Colormap dialogs offer the extension of `numRanges` (".cm2",
// ".cm4", and ".cm8" for any other count). Returns the full path, kCancelled, or kBadExtension after
// the extension message (the caller asks again).
QString GetFname(int16_t dialogType, int32_t numRanges, FileLocations& locations);

}  // namespace zenphra::app
