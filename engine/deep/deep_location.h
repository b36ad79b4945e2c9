// Where a deep image lies: the centre and the magnification as decimal text of any length, read into
// numbers of enough precision, and whether doubles can still resolve its pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/deep/big_float.h"
#include "engine/deep/float_exp.h"
#include "zenphra.h"

namespace zenphra {

// The longest text the library takes for each of the three values, and the largest magnification.
inline constexpr int32_t kDeepTextLimit = ZENPHRA_DEEP_TEXT_LIMIT;
inline constexpr int32_t kDeepMagnifyMaxPower = ZENPHRA_DEEP_MAX_POWER;
inline constexpr int32_t kDeepMagnifyMinPower = -300;

// Whether the text is a decimal number: blanks, an optional sign, digits with an optional point and
// fraction (at least one digit in all), an optional exponent, blanks. Nothing else.
bool IsDecimalNumber(const std::string& text);

struct DeepLocation {
    mpfr_prec_t precision = 0;  // of the reference orbit: the magnification and width in bits, and 64
    BigFloat centreRe{64}, centreIm{64};
    // The nearest doubles, which the double engine plots with (exactly as the same text read by
    // StringToDouble), and the magnification's nearest double (infinite beyond a double's range).
    double centreReNearest = 0, centreImNearest = 0, magnifyNearest = 0;
    double log10Magnify = 0;
    FloatExp pixelStep;  // plane width / width: 3.6 / (magnification * width)
    bool deep = false;   // doubles cannot resolve the pixels: the deep path draws the image
};

// Reads the three texts for an image `width` pixels wide. False when a text is not a decimal number,
// is longer than kDeepTextLimit, or the magnification is not between 1e-300 and 1e20000, or the centre
// is beyond the range of a double.
bool ReadDeepLocation(const char* centreRe, const char* centreIm, const char* magnify, int32_t width,
                      DeepLocation* location);

// The rule between the two paths: the double engine draws an image while its pixel step is at least
// 2^-kDoubleResolutionBits times the centre's size (or 1, if larger); the deep path below that.
inline constexpr int32_t kDoubleResolutionBits = ZENPHRA_DOUBLE_RESOLUTION_BITS;

}  // namespace zenphra
