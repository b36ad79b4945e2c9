// Decimal text of any length worked on in MPFR: the deep locations the zoom commands and the movie
// frames move, each number freeing itself.
#pragma once

#include <mpfr.h>

#include <QString>

namespace zenphra::app {

class BigDecimal {
  public:
    explicit BigDecimal(mpfr_prec_t bits) { mpfr_init2(value_, bits); }
    // A decimal the deep path takes, rounded to `bits`.
    BigDecimal(mpfr_prec_t bits, const QString& text) : BigDecimal(bits) {
        mpfr_set_str(value_, text.trimmed().toLatin1().constData(), 10, MPFR_RNDN);
    }
    ~BigDecimal() { mpfr_clear(value_); }
    BigDecimal(const BigDecimal&) = delete;
    BigDecimal& operator=(const BigDecimal&) = delete;
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// The text of x with `digits` significant digits, as "-1.2345e+67".
QString ExponentText(mpfr_ptr x, int digits);

// The text of x with `decimals` digits after the point, its trailing zeros dropped ("-1.25", "3").
QString PointText(mpfr_ptr x, int decimals);

// log2 of a decimal above 0, roughly (its binary exponent): enough to size a precision.
double RoughLog2(const QString& decimal);

}  // namespace zenphra::app
