#include "app/common/program_folders.h"

namespace zenphra::app {

FileLocations StartupLocations(const QString& programFolder) {
    FileLocations locations;
    locations.ImageLoadFolder = programFolder + QStringLiteral("/Images");
    locations.ImageSaveFolder = locations.ImageLoadFolder;
    locations.ParamLoadFolder = programFolder + QStringLiteral("/Parameters");
    locations.ParamSaveFolder = locations.ParamLoadFolder;
    locations.ColormapLoadFolder = programFolder + QStringLiteral("/Colormaps");
    locations.ColormapSaveFolder = locations.ColormapLoadFolder;
    locations.TutorialFile = programFolder + QStringLiteral("/Tutorial.txt");
    return locations;
}

}  // namespace zenphra::app
