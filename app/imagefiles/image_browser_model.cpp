#include "app/imagefiles/image_browser_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/imagefiles/get_fname.h"
#include "app/imagefiles/image_support.h"

namespace zenphra::app {
namespace {

QString CleanFolder(const QString& folder) { return QDir::cleanPath(QDir(folder).absolutePath()); }

bool Contains(const QString& drive, const QString& folder) {
    return folder == drive || folder.startsWith(drive.endsWith(QLatin1Char('/')) ? drive : drive + '/');
}

// The drive a folder lies on: the longest drive that holds it.
QString DriveOf(const QString& folder, const QStringList& drives) {
    QString drive = drives.first();
    for (const QString& candidate : drives) {
        if (Contains(candidate, folder) && candidate.size() > drive.size()) drive = candidate;
    }
    return drive;
}

QList<FolderEntry> FolderList(const QString& drive, const QString& folder) {
    QStringList chain;
    for (QString path = folder; path != drive && !QDir(path).isRoot(); path = CleanFolder(path + "/.."))
        chain.prepend(path);
    QList<FolderEntry> entries{FolderEntry{drive, drive, 0, chain.isEmpty()}};
    for (qsizetype i = 0; i < chain.size(); ++i)
        entries << FolderEntry{chain[i], QFileInfo(chain[i]).fileName(), int(i) + 1, i == chain.size() - 1};
    const int depth = int(chain.size()) + 1;
    const QDir current(folder);
    for (const QString& name :
         current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        entries << FolderEntry{current.filePath(name), name, depth, false};
    }
    return entries;
}

}  // namespace

QStringList ListImageFiles(const QString& folder) {
    // Name filters ignore case, so "*.png" also lists ".PNG" files.
    return QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList ImageDrives() {
    QStringList drives{QDir::rootPath()};
    const QString home = CleanFolder(QDir::homePath());
    if (!drives.contains(home)) drives << home;
    return drives;
}

ImageBrowserModel::ImageBrowserModel(FileLocations& locations, ImageFileMemory& memory)
    : locations_(locations), memory_(memory), drives_(ImageDrives()), selectedImageFile_(kCancelled) {
    Engine().SetThumbnailColorPointers(thumbnailPalette_.PalRed.data(), thumbnailPalette_.PalGrn.data(),
                                       thumbnailPalette_.PalBlu.data());
    const QString folder = NearestExistingFolder(locations_.ImageLoadFolder);
    drive_ = DriveOf(folder, drives_);
    OpenFolder(folder);
}

ImageBrowserModel::~ImageBrowserModel() { Engine().SetThumbnailColorPointers(nullptr, nullptr, nullptr); }

void ImageBrowserModel::Start() {
    const bool loadedBefore = !memory_.CurrentImageFile.isEmpty() && QFileInfo(memory_.Folder).isDir();
    if (loadedBefore) {
        drive_ = memory_.Drive;
        OpenFolder(memory_.Folder);
    }
    started_ = true;
    const int remembered = loadedBefore ? int(files_.indexOf(memory_.File)) : -1;
    ClickFile(remembered >= 0 ? remembered : 0);
}

bool ImageBrowserModel::ChooseDrive(const QString& drive) {
    files_.clear();
    selectedFile_ = -1;
    preview_.reset();
    previewed_ = -1;
    drive_ = drive;
    const QFileInfo root(drive);
    if (!root.isDir() || !root.isReadable()) {
        ShowMessage(
            QStringLiteral("Error accessing drive.  Make sure there is\r\nreadable media in the drive."),
            MessageIcon::kCritical, QStringLiteral("Drive Access Error"));
        selectedImageFile_ = kCancelled;
        return false;
    }
    OpenFolder(drive);
    return true;
}

void ImageBrowserModel::OpenFolder(const QString& folder) {
    folder_ = CleanFolder(folder);
    folders_ = FolderList(drive_, folder_);
    files_ = ListImageFiles(folder_);
    selectedFile_ = -1;
    preview_.reset();
    previewed_ = -1;
    if (started_) ClickFile(0);
}

void ImageBrowserModel::ClickFile(int index) {
    if (index < 0 || index >= files_.size()) return;
    selectedFile_ = index;
    selectedImageFile_ = QDir(folder_).filePath(files_[index]);
    if (!memory_.ShowPreview || previewed_ == index) return;
    previewed_ = index;
    preview_ = MakePreview(selectedImageFile_);
}

std::optional<ImagePreview> ImageBrowserModel::MakePreview(const QString& path) {
    const EngineApi& engine = Engine();
    int32_t bitmap = engine.GetThumbnail(QFile::encodeName(path).constData());
    if (LibraryReadFailed(bitmap, path)) return std::nullopt;
    int32_t width = 0;
    int32_t height = 0;
    engine.GetThumbnailSize(&width, &height);
    const std::optional<FractalTextRecord> record = CheckImageText(path, width, height);
    if (!record) return std::nullopt;

    // The thumbnail is shown in the colours of the image's text, not those of the file's palette.
    SetPaletteColor(thumbnailPalette_, kMaxIterEntry, record->MaxIterColor);
    SetPaletteColor(thumbnailPalette_, kBackgroundEntry, record->BgColor);
    const int32_t ranges = record->params.NumRanges;
    const int32_t length = kRangeEntries / ranges;
    for (int32_t range = 0; range < ranges; ++range) {
        const int32_t coloured = engine.SetThumbnailColorRange(
            range * length, length, record->RangeColors[2 * range], record->RangeColors[2 * range + 1]);
        if (coloured > 0) bitmap = coloured;
    }
    // The library's thumbnail bitmap has the shown size: at most 160 x 120, its rows' byte length a
    // multiple of its reduction.
    int32_t shownWidth = 0;
    int32_t shownHeight = 0;
    engine.GetBitmapInfo(bitmap, &shownWidth, &shownHeight, nullptr, nullptr);
    const QFileInfo file(path);
    return ImagePreview{bitmap, QSize(shownWidth, shownHeight),
                        QStringLiteral("%1 x %2").arg(record->params.HorRes).arg(record->params.VertRes),
                        QString::number(file.size()),
                        QLocale().toString(file.lastModified(), QLocale::ShortFormat)};
}

void ImageBrowserModel::Load() {
    if (!CanLoad()) return;
    memory_.Drive = drive_;
    memory_.Folder = folder_;
    memory_.File = files_[selectedFile_];
    locations_.ImageLoadFolder = folder_;
    selectedImageFile_ = QDir(folder_).filePath(memory_.File);
}

void ImageBrowserModel::Cancel() { selectedImageFile_ = kCancelled; }

}  // namespace zenphra::app
