// Reading one entry of a parameter file, given the file's lines and the 1-based number of the entry's
// name line: its author and comment lines for the load dialog, and its parameters and colours.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

// The four lines after the name, as stored, labels included.
struct EntryHeader {
    QString author;
    QString comment1;
    QString comment2;
    QString comment3;
};

// Nothing when the file ends before the four lines.
std::optional<EntryHeader> ReadEntryHeader(const QStringList& lines, int32_t nameLine);

// What an entry sets: the parameters (an entry carries no resolution, so HorRes, VertRes and the custom
// texts stay as they were) and the colormap's range set for the entry's NumRanges with the
// maximum-iteration and background colours.
struct EntryValues {
    FractalParams params;
    ColorMap colors;
};

enum class EntryReadStatus { kRead, kEquationNotSupported, kRenderingNotSupported, kFaulty };

struct EntryReadResult {
    EntryReadStatus status = EntryReadStatus::kFaulty;
    EntryValues values;  // the entry's values on kRead; otherwise the values it was read over, unchanged
};

// Reads the entry over a copy of `current`. Every value is checked: a missing line, a labelled line
// without "=", a whole number that does not fit its field, a number that is not finite, a function
// outside the list or an unknown equation or rendering fail the read.
EntryReadResult ReadEntryParams(const QStringList& lines, int32_t nameLine, const EntryValues& current);

}  // namespace zenphra::app
