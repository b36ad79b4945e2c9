#include "app/common/text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>

namespace zenphra::app {
namespace {

std::optional<int64_t> ParseWholeNumber(QStringView text, int64_t lowest, int64_t highest) {
    const QStringView trimmed = text.trimmed();
    qsizetype position = 0;
    bool negative = false;
    if (position < trimmed.size() && (trimmed[position] == u'+' || trimmed[position] == u'-')) {
        negative = trimmed[position] == u'-';
        ++position;
    }
    if (position == trimmed.size()) return std::nullopt;
    int64_t magnitude = 0;
    for (; position < trimmed.size(); ++position) {
        const char16_t c = trimmed[position].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > highest + 1) return std::nullopt;  // already too large for any field
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

}  // namespace

QStringList SplitLines(const QByteArray& text) {
    QStringList lines;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        const qsizetype next = lineEnd < 0 ? text.size() : lineEnd + 1;
        if (lineEnd < 0) lineEnd = text.size();
        qsizetype contentEnd = lineEnd;
        if (contentEnd > lineStart && text[contentEnd - 1] == '\r') --contentEnd;
        lines << QString::fromLatin1(text.constData() + lineStart, contentEnd - lineStart);
        lineStart = next;
    }
    return lines;
}

std::optional<int32_t> ParseInt32(QStringView text) {
    const auto value =
        ParseWholeNumber(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    return value ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}

std::optional<int16_t> ParseInt16(QStringView text) {
    const auto value =
        ParseWholeNumber(text, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
    return value ? std::optional<int16_t>(static_cast<int16_t>(*value)) : std::nullopt;
}

QByteArray JoinLinesCrLf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) text += line.toLatin1() + "\r\n";
    return text;
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return contents;
}

bool IsMarkedReadOnly(const QString& path) {
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && !(QFileInfo(path).permissions() & anyWrite);
}

bool ReplaceFileContents(const QString& path, const QByteArray& contents) {
    if (IsMarkedReadOnly(path)) return false;
    // Unbuffered, so that a failed or short write shows in the count write() returns: a buffered QSaveFile
    // misses a failure while flushing its buffer and renames the incomplete file over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(contents) != contents.size()) file.cancelWriting();
    return file.commit();  // false after cancelWriting(), and the temporary file is gone
}

}  // namespace zenphra::app
