// A deep location kept in full beside the nearest doubles of FractalParams: the lines image files and
// parameter entries keep it in, how a reader checks it against the doubles the same file holds, and
// which of its parts still describe the view once the doubles may have changed.
#pragma once

#include <QString>
#include <QStringList>

#include "app/common/fractal_params.h"

namespace zenphra::app {

// The labels of the location's lines, in their order; each value follows its "=" directly.
inline const QString kExactRealLabel = QStringLiteral("Exact Center Real =");
inline const QString kExactImagLabel = QStringLiteral("Exact Center Imag =");
inline const QString kExactMagnifyLabel = QStringLiteral("Exact Magnification =");

// The location's three lines (without line ends), each part in full or, where it has none, as its
// double's shortest text; no lines when no part in force holds more than its double ("-0.75" or "1e100"
// are their doubles' own texts, which the files' doubles keep).
QStringList ExactLocationLines(const FractalParams& params);

// Whether a line is one of the location's.
bool IsExactLocationLine(const QString& line);

// Takes a location from its three lines into params, whose doubles were read from the same file. Each
// part must be a decimal the deep path takes (at most ZENPHRA_DEEP_TEXT_LIMIT characters; the
// magnification above 0), and its nearest double, written with the file's 20 decimals, must read as the
// double beside it. The doubles then become the parts' nearest ones. False, with params unchanged,
// otherwise.
bool TakeExactLocation(const QStringList& lines, FractalParams& params);

// Whether an exact part still describes the view: it is set and still agrees with the double beside it
// as the files' 20 decimals show it, which the panel's fields read back too (a zoom or an edit that moves
// the double ends the part).
bool ExactPartInForce(const QString& exact, double nearest);
bool HasExactLocationInForce(const FractalParams& params);

// Whether a part in force holds more than its double: it is not the double's own shortest text.
bool ExactPartAddsToDouble(const QString& exact, double nearest);

// What a typed text keeps beyond its nearest double: the text itself when it is a part the deep path
// takes and holds more than both the double's shortest text and its 20 decimals, which the panel shows
// for locations that are not deep; else nothing.
QString ExactPartOfText(const QString& text, double nearest);

// The double's shortest text, in exponent form ("1e+100", "2.5e+45"): how the panel shows the large
// magnifications of deep images.
QString ShortestExponentText(double value);

// The magnification in force with two significant digits, of any size: "1.2e52", "1e100", "2.5e3".
QString MagnificationInBrief(const FractalParams& params);

// The part as the deep path is to take it: in full while it is in force, else its double's shortest text
// (which reads back as that double).
QString ExactPartText(const QString& exact, double nearest);

}  // namespace zenphra::app
