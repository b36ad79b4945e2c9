#include "app/imagefiles/get_fname.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "app/common/messages.h"

namespace zenphra::app {
namespace {

struct DialogKind {
    QString title;
    QString description;
    QString extension;
    QString* folder;  // the remembered starting folder of this kind
    bool save;
    bool confirmOverwrite;
};

std::optional<QString> CancelEveryDialog(const FileDialogRequest&) { return std::nullopt; }

FileDialogPresenter& Presenter() {
    static FileDialogPresenter presenter = CancelEveryDialog;
    return presenter;
}

DialogKind ColormapKind(const QString& title, int32_t numRanges, QString* folder, bool save) {
    const QString digit = numRanges == 2 || numRanges == 4 ? QString::number(numRanges) : QStringLiteral("8");
    return DialogKind{title,
                      QStringLiteral("Colormap Files [*.CM%1]").arg(digit),
                      QStringLiteral("cm") + digit,
                      folder,
                      save,
                      save};
}

std::optional<DialogKind> KindOf(int16_t dialogType, int32_t numRanges, FileLocations& locations) {
    const QString images = QStringLiteral("Fractal Image Files [*.PNG]");
    const QString params = QStringLiteral("Parameter Files [*.PRM]");
    const QString png = QStringLiteral("png");
    const QString prm = QStringLiteral("prm");
    switch (dialogType) {
        case kLoadImageDialog:
            return DialogKind{"Load Fractal Image File",  images, png,
                              &locations.ImageLoadFolder, false,  false};
        case kSaveImageDialog:
            return DialogKind{"Save Fractal Image File", images, png, &locations.ImageSaveFolder, true, true};
        case kLoadColormapDialog:
            return ColormapKind("Load Fractal Colormap File", numRanges, &locations.ColormapLoadFolder,
                                false);
        case kSaveColormapDialog:
            return ColormapKind("Save Fractal Colormap File", numRanges, &locations.ColormapSaveFolder, true);
        case kLoadParamsDialog:
            return DialogKind{"Load Fractal Parameters",  params, prm,
                              &locations.ParamLoadFolder, false,  false};
        case kSaveParamsDialog:
            // A parameter file holds many entries and is added to, so saving into one is no overwrite.
            return DialogKind{"Save Fractal Parameters",  params, prm,
                              &locations.ParamSaveFolder, true,   false};
        default:
            return std::nullopt;
    }
}

// The name must end in "." and the extension (in any case), and hold no other dot.
bool HasExtension(const QString& fileName, const QString& extension) {
    return fileName.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive) &&
           fileName.count(QLatin1Char('.')) == 1;
}

QString* RememberedFile(int16_t dialogType, FileLocations& locations) {
    if (dialogType == kLoadParamsDialog) return &locations.LastLoadedParamFile;
    if (dialogType == kSaveParamsDialog) return &locations.LastSavedParamFile;
    return nullptr;
}

}  // namespace

QString NearestExistingFolder(const QString& folder) {
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(path).isDir() && !QDir(path).isRoot())
        path = QDir::cleanPath(path + QStringLiteral("/.."));
    return path;
}

FileDialogPresenter SetFileDialogPresenter(FileDialogPresenter presenter) {
    FileDialogPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : FileDialogPresenter(CancelEveryDialog);
    return previous;
}

QString GetFname(int16_t dialogType, int32_t numRanges, FileLocations& locations) {
    const std::optional<DialogKind> kind = KindOf(dialogType, numRanges, locations);
    if (!kind) {
        ShowMessage(QStringLiteral("Bad DialogType"), MessageIcon::kNone);
        return kCancelled;
    }
    QString* rememberedFile = RememberedFile(dialogType, locations);

    FileDialogRequest request;
    request.title = kind->title;
    request.filter = kind->description + QStringLiteral(" (*.") + kind->extension + QLatin1Char(')');
    request.defaultExtension = kind->extension;
    request.startFolder = NearestExistingFolder(*kind->folder);
    // A file proposed by its full path would take the dialog back to its folder, gone or not.
    if (rememberedFile != nullptr && QFileInfo(*rememberedFile).absoluteDir().exists())
        request.initialFile = *rememberedFile;
    request.save = kind->save;
    request.confirmOverwrite = kind->confirmOverwrite;
    const std::optional<QString> chosen = Presenter()(request);
    if (!chosen || chosen->isEmpty()) return kCancelled;

    const QFileInfo file(*chosen);
    if (!HasExtension(file.fileName(), kind->extension)) {
        ShowMessage(
            QStringLiteral("Incorrect filename extension.\r\nIf an extension is entered, it must be .") +
                kind->extension,
            MessageIcon::kExclamation, kind->title);
        return kBadExtension;
    }
    *kind->folder = file.absolutePath();
    if (rememberedFile != nullptr) *rememberedFile = *chosen;
    if (dialogType == kSaveImageDialog)
        locations.SavedImageName = file.fileName().section(QLatin1Char('.'), 0, 0);
    return *chosen;
}

}  // namespace zenphra::app
