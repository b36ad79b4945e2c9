// Writing one parameter entry: its name, author and comment lines, every parameter on a labelled line,
// the range end colours of the palette, and "END".
#pragma once

#include <QString>
#include <QStringList>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

// The texts the user typed for an entry (the name already trimmed).
struct EntryText {
    QString name;
    QString author;
    QString comment1;
    QString comment2;
    QString comment3;
};

// The entry's lines without line ends: 2 * NumRanges + 24 of them, two more in Julia mode. CR and LF
// typed into one of the texts become blanks, so a text can never split into lines of its own.
QStringList EntryLines(const EntryText& text, const FractalParams& params, const PaletteArrays& palette);

}  // namespace zenphra::app
