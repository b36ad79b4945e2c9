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

}  // namespace zenphra::app
