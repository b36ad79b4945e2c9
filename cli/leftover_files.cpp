#include "cli/leftover_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "cli/png_rows.h"
#include "cli/saved_rows.h"

namespace zenphra::cli {
namespace {

// A save writes its first bytes within moments of creating its file.
constexpr qint64 kEmptyFileAgeSeconds = 60;

bool LeftByThisImage(const QFileInfo& file, const app::FractalTextRecord& image) {
    if (file.size() == 0) {
        return file.lastModified().secsTo(QDateTime::currentDateTime()) >= kEmptyFileAgeSeconds;
    }
    const PngRowReader reader(file.filePath());
    if (reader.text().isEmpty()) return false;
    const app::ParsedFractalText text = app::ParseFractalText(reader.text(), reader.location());
    return text.status == app::FractalTextStatus::kOk && SameImage(text.record, image);
}

}  // namespace

QStringList RemoveLeftovers(const QStringList& folders, const app::FractalTextRecord& image) {
    QStringList removed;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical)) continue;
        seen.insert(canonical);
        const QFileInfoList files = QDir(canonical).entryInfoList(
            {QStringLiteral(".zenphra-*.tmp")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QFileInfo& file : files) {
            if (LeftByThisImage(file, image) && QFile::remove(file.filePath())) removed << file.filePath();
        }
    }
    return removed;
}

}  // namespace zenphra::cli
