// What loading an image and previewing it share: reading the text of the file the library read last,
// the checks that text must pass before its image is used, the messages for a file that fails them, and
// the window caption that names an image file.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "app/imagefiles/fractal_text.h"

namespace zenphra::app {

// The parameter text of the file the library read last (image or thumbnail), copied out of its buffer,
// and the location text of the same file (empty when it has none).
QByteArray LibraryFractalText();
QByteArray LibraryFractalLocation();

// True, after the message, when a library read of the file at `path` failed: a negative code (ErrCheck's
// message), or no bitmap at all ("Error loading"), which means the call was refused and changed nothing.
bool LibraryReadFailed(int32_t result, const QString& path);

// Reads the texts of the file at `path` the library read last, whose image is `width` x `height` pixels.
// Refused, after the message: an equation or a rendering this edition does not have ("Equation Not
// Supported", "Rendering Not Supported"), and with "Error loading "<path>"" a text that cannot be read (a
// resume row outside the image or a damaged location included) or whose size is not the image's own.
std::optional<FractalTextRecord> CheckImageText(const QString& path, int32_t width, int32_t height);

// Shows the "Equation Not Supported" or "Rendering Not Supported" message for those statuses and returns
// true; returns false without a message for any other status.
bool ShowUnsupportedImage(FractalTextStatus status);

// "Error loading "<path>"": a file whose parameter text cannot be used.
void ShowLoadError(const QString& path);

// The explorer's caption while it shows an image saved to or loaded from `path`.
QString ImageFileCaption(const QString& path);

}  // namespace zenphra::app
