#include "engine/string_to_double.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string>

namespace zenphra {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The number's text without its sign, in the plain form std::from_chars reads, and the power of ten of
// its leading digit (needed only when the value lies beyond the range of a double).
struct DecimalText {
    std::string digits;
    bool negative = false;
    long leadingPower = 0;
};

const char* SkipDigits(const char* p) {
    while (IsDigit(*p)) ++p;
    return p;
}

bool Scan(const char* text, DecimalText* out) {
    const char* p = text;
    while (IsBlank(*p)) ++p;
    if (*p == '+' || *p == '-') out->negative = *p++ == '-';

    const char* integerStart = p;
    const char* integerEnd = SkipDigits(p);
    const char* fractionStart = integerEnd;
    const char* fractionEnd = fractionStart;
    if (*integerEnd == '.') {
        fractionStart = integerEnd + 1;
        fractionEnd = SkipDigits(fractionStart);
    }
    if (integerEnd == integerStart && fractionEnd == fractionStart) return false;

    long exponent = 0;
    const char* end = fractionEnd;
    if (*end == 'e' || *end == 'E') {
        const char* q = end + 1;
        const bool negativeExponent = *q == '-';
        if (*q == '+' || *q == '-') ++q;
        if (IsDigit(*q)) {
            // Clamp while reading: beyond a few thousand the value is infinite or zero anyway.
            for (; IsDigit(*q); ++q) exponent = exponent < 100000 ? exponent * 10 + (*q - '0') : exponent;
            if (negativeExponent) exponent = -exponent;
            end = q;
        }
    }

    out->digits.assign(integerStart, integerEnd);
    if (fractionStart != integerEnd) {
        out->digits += '.';
        out->digits.append(fractionStart, fractionEnd);
    }
    out->digits += 'e';
    out->digits += std::to_string(exponent);

    long power = integerEnd - integerStart - 1;
    const char* firstNonZero = integerStart;
    while (firstNonZero < integerEnd && *firstNonZero == '0') ++firstNonZero, --power;
    if (firstNonZero == integerEnd) {
        for (const char* f = fractionStart; f < fractionEnd && *f == '0'; ++f) --power;
    }
    out->leadingPower = power + exponent;
    return true;
}

}  // namespace

double ParseDecimal(const char* text) {
    DecimalText number;
    if (text == nullptr || !Scan(text, &number)) return 0.0;
    double value = 0.0;
    const char* first = number.digits.data();
    const auto [end, error] = std::from_chars(first, first + number.digits.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = number.leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

}  // namespace zenphra
