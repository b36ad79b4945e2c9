#include "engine/deep/deep_location.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/string_to_double.h"

namespace zenphra {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a decimal number of any length into `value`, rounded to its precision.
bool ReadNumber(const char* text, BigFloat* value) {
    if (text == nullptr || std::strlen(text) > size_t(kDeepTextLimit)) return false;
    const std::string whole(text);
    if (!IsDecimalNumber(whole)) return false;
    const size_t first = whole.find_first_not_of(" \t");
    const size_t last = whole.find_last_not_of(" \t");
    std::string trimmed = whole.substr(first, last - first + 1);
    if (trimmed[0] == '+') trimmed.erase(0, 1);
    return mpfr_set_str(value->get(), trimmed.c_str(), 10, MPFR_RNDN) == 0;
}

}  // namespace

bool IsDecimalNumber(const std::string& text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    while (i < n && IsBlank(text[i])) ++i;
    return i == n;
}

bool ReadDeepLocation(const char* centreRe, const char* centreIm, const char* magnify, int32_t width,
                      DeepLocation* location) {
    if (width < 1) return false;
    const FreeMpfrCachesAtEnd freeCaches;
    // The magnification is read first, at a precision of its own, to fix the precision of the rest.
    BigFloat magnification(128);
    if (!ReadNumber(magnify, &magnification) || mpfr_sgn(magnification.get()) <= 0) return false;
    BigFloat log10(128);
    mpfr_log10(log10.get(), magnification.get(), MPFR_RNDN);
    const double log10Magnify = log10.ToDouble();
    if (!(log10Magnify >= kDeepMagnifyMinPower && log10Magnify <= kDeepMagnifyMaxPower)) return false;

    const double bitsAcross = (log10Magnify + std::log10(double(width))) * 3.321928094887362;
    const mpfr_prec_t precision = mpfr_prec_t(std::max(64.0, std::ceil(bitsAcross)) + 64);
    BigFloat re(precision), im(precision);
    if (!ReadNumber(centreRe, &re) || !ReadNumber(centreIm, &im)) return false;
    const double reNearest = ParseDecimal(centreRe), imNearest = ParseDecimal(centreIm);
    if (!std::isfinite(reNearest) || !std::isfinite(imNearest)) return false;

    BigFloat step(precision);
    mpfr_set_d(step.get(), 3.6, MPFR_RNDN);
    mpfr_div(step.get(), step.get(), magnification.get(), MPFR_RNDN);
    mpfr_div_si(step.get(), step.get(), width, MPFR_RNDN);

    location->precision = precision;
    location->centreRe = re;
    location->centreIm = im;
    location->centreReNearest = reNearest;
    location->centreImNearest = imNearest;
    location->magnifyNearest = ParseDecimal(magnify);
    location->log10Magnify = log10Magnify;
    location->pixelStep = step.ToFloatExp();
    const double size = std::max({1.0, std::fabs(reNearest), std::fabs(imNearest)});
    const FloatExp resolution = FloatExp::Of(size, -kDoubleResolutionBits);
    location->deep = location->pixelStep < resolution;
    return true;
}

}  // namespace zenphra
