// Numbers as text, with "." as the decimal point in every locale.
#pragma once

#include <QString>

namespace zenphra::app {

// The number with exactly `decimals` digits after the point, rounded; a leading "0" for magnitudes below
// 1, "-" for negatives, no grouping, and no sign on a value that shows as zero.
QString FormatNum(double value, int decimals);

// The number at the start of the text, read by the plotting library's StringToDouble (which must be
// bound, see engine_api.h); text without a number gives 0.
double StrToDbl(const QString& text);

}  // namespace zenphra::app
