// The folders the file dialogs start in and the files they remember, for the whole run. They start
// under the program's own folder and change only when the user picks a file (see get_fname.h) or a
// folder in the image browser.
#pragma once

#include <QString>

namespace zenphra::app {

struct FileLocations {
    QString ImageLoadFolder;  // folders are kept without a trailing "/"
    QString ImageSaveFolder;
    QString ParamLoadFolder;
    QString ParamSaveFolder;
    QString ColormapLoadFolder;
    QString ColormapSaveFolder;
    QString TutorialFile;
    QString LastLoadedParamFile;  // full paths; empty until a parameter file is chosen
    QString LastSavedParamFile;
    QString SavedImageName;  // the last saved image's file name up to its first "."
};

// The locations at start-up: "Images", "Parameters" and "Colormaps" and the tutorial file under the
// program folder (given without a trailing "/").
FileLocations StartupLocations(const QString& programFolder);

// True when the program folder belongs to an installation the machine's users share: one the user may
// not write to, or one under /usr or /opt, which hold the system's read-only files even for root.
bool IsSharedInstallation(const QString& programFolder);

// Points the three save folders at the user's own, creating them when they are missing: images in
// "Zenphra" in the user's pictures folder, parameter files and colormaps in "zenphra/Parameters" and
// "zenphra/Colormaps" in the user's data folder (~/Pictures/Zenphra and ~/.local/share/zenphra/...
// by default). The load folders stay on what ships with the program.
void SaveInUserFolders(FileLocations& locations);

}  // namespace zenphra::app
