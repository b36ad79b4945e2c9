// The program's text formats and their files. Lines end in LF (parameter and colormap files are written
// with CR LF, the fractal text with LF alone); one CR before the LF is dropped, so files edited on other
// systems read the same. Whole numbers accept surrounding blanks, a sign and digits, and must fit their
// field; anything else is an error, never a wrapped value. A file is replaced only once its new contents
// are complete, so a failed write never damages the old one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zenphra::app {

// The lines of the text; a final line end does not start another line.
QStringList SplitLines(const QByteArray& text);

std::optional<int32_t> ParseInt32(QStringView text);
std::optional<int16_t> ParseInt16(QStringView text);

// The lines as 8-bit text, each ended by CR LF.
QByteArray JoinLinesCrLf(const QStringList& lines);

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// True when the file exists and is marked read-only (writable by no one). Such a file is never replaced,
// even for a user the system would let write it (root), as the mark keeps every user from writing a
// file on Windows.
bool IsMarkedReadOnly(const QString& path);

// Writes the bytes to a temporary file beside the target and renames it over the target only when all of
// it was written and closed; on false the target is as it was. A target marked read-only is never
// replaced.
bool ReplaceFileContents(const QString& path, const QByteArray& contents);

}  // namespace zenphra::app
