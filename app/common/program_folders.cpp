#include "app/common/program_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

bool IsSharedInstallation(const QString& programFolder) {
    // Root may write anywhere, so only the place tells a package's folder from a build or a user's own
    // installation.
    const QString folder = QDir::cleanPath(programFolder) + QLatin1Char('/');
    if (folder.startsWith(QLatin1String("/usr/")) || folder.startsWith(QLatin1String("/opt/"))) return true;
    return !QFileInfo(programFolder).isWritable();
}

void SaveInUserFolders(FileLocations& locations) {
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zenphra");
    locations.ImageSaveFolder =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + QStringLiteral("/Zenphra");
    locations.ParamSaveFolder = data + QStringLiteral("/Parameters");
    locations.ColormapSaveFolder = data + QStringLiteral("/Colormaps");
    // A folder that cannot be made costs nothing at start-up: the user chooses another in the dialog.
    for (const QString* folder :
         {&locations.ImageSaveFolder, &locations.ParamSaveFolder, &locations.ColormapSaveFolder})
        QDir().mkpath(*folder);
}

}  // namespace zenphra::app
