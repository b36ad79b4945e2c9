// Text to number with "." as the decimal point whatever the locale: leading white space, an optional
// sign, digits with an optional point and fraction, an optional exponent. The first character that does
// not fit ends the number; text without a number gives 0. No "inf", "nan" or hexadecimal forms.
#pragma once

namespace zenphra {

double ParseDecimal(const char* text);

}  // namespace zenphra
