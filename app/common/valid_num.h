// Numbers as text, with "." as the decimal point in every locale, and the checks that the parameter
// panel runs on what is typed into its fields.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zenphra::app {

inline constexpr int kBackspaceKey = 8;

// The number with exactly `decimals` digits after the point, rounded; a leading "0" for magnitudes below
// 1, "-" for negatives, no grouping, and no sign on a value that shows as zero.
QString FormatNum(double value, int decimals);

// The number at the start of the text, read by the plotting library's StringToDouble (which must be
// bound, see engine_api.h); text without a number gives 0.
double StrToDbl(const QString& text);

// The number the whole text holds (blanks around it allowed), read as StrToDbl reads it; nothing when
// the text is anything else or the number is too large for a double. For stored values, where text
// that is not a number must be noticed rather than read as 0.
std::optional<double> ParseNumber(QStringView text);
// The same, but a number beyond a double's range is the largest double of its sign.
std::optional<double> ParseLargeNumber(QStringView text);

// Key filters of the panel's fields: the key code when the field accepts that key with `text` already
// in it, else 0. Whole numbers take digits and Backspace; signed decimals also a minus sign and one
// point; unsigned decimals a point but no minus sign.
int ValidIntKey(int keyCode, const QString& text);
int ValidSignedKey(int keyCode, const QString& text);
int ValidUnsignedKey(int keyCode, const QString& text);
// The magnification's filter: a signed decimal's keys, and "e", "E" and "+" for an exponent ("6.75e49").
int ValidMagnifyKey(int keyCode, const QString& text);

// True when the text is not empty, holds only `allowed` characters, has a minus sign only in first
// place and at most one point.
bool ValidChars(const QString& text, const QString& allowed);

// "The value for <fieldName> is invalid.": what a panel field that fails its check says.
QString InvalidValueMessage(const QString& fieldName);

}  // namespace zenphra::app
