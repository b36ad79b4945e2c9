// Reading the program's text formats: lines end in LF (parameter and colormap files are written with
// CR LF, the fractal text with LF alone); one CR before the LF is dropped, so files edited on other
// systems read the same. Whole numbers accept surrounding blanks, a sign and digits, and must fit their
// field; anything else is an error, never a wrapped value.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zenphra::app {

// The lines of the text; a final line end does not start another line.
QStringList SplitLines(const QByteArray& text);

std::optional<int32_t> ParseInt32(QStringView text);
std::optional<int16_t> ParseInt16(QStringView text);

}  // namespace zenphra::app
