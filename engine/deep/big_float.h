// An MPFR number that frees itself: the reference orbit, the deep location and the pixel step are
// worked out in these, at a precision chosen from the magnification.
#pragma once

#include <mpfr.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "engine/deep/float_exp.h"

namespace zenphra {

class BigFloat {
  public:
    explicit BigFloat(mpfr_prec_t bits) {
        mpfr_init2(value_, bits);
        mpfr_set_zero(value_, 1);
    }
    BigFloat(mpfr_prec_t bits, double x) : BigFloat(bits) { mpfr_set_d(value_, x, MPFR_RNDN); }
    BigFloat(const BigFloat& other) : BigFloat(mpfr_get_prec(other.value_)) {
        mpfr_set(value_, other.value_, MPFR_RNDN);
    }
    BigFloat& operator=(const BigFloat& other) {
        if (this != &other) {
            mpfr_set_prec(value_, mpfr_get_prec(other.value_));
            mpfr_set(value_, other.value_, MPFR_RNDN);
        }
        return *this;
    }
    ~BigFloat() { mpfr_clear(value_); }

    mpfr_ptr get() { return value_; }
    mpfr_srcptr get() const { return value_; }
    mpfr_prec_t Precision() const { return mpfr_get_prec(value_); }

    double ToDouble() const { return mpfr_get_d(value_, MPFR_RNDN); }

    // The value as mantissa and exponent, whatever its size.
    FloatExp ToFloatExp() const {
        if (mpfr_zero_p(value_)) return {};
        long exponent = 0;
        const double mantissa = mpfr_get_d_2exp(&exponent, value_, MPFR_RNDN);  // 0.5 <= |m| < 1
        return FloatExp::Of(mantissa, exponent);
    }

  private:
    mpfr_t value_;
};

// re + i im with one exponent, whatever their sizes.
inline ComplexExp ComplexExpOf(const BigFloat& re, const BigFloat& im) {
    const FloatExp x = re.ToFloatExp(), y = im.ToFloatExp();
    if (x.IsZero() && y.IsZero()) return {};
    const int64_t e = std::max(x.IsZero() ? INT64_MIN : x.e, y.IsZero() ? INT64_MIN : y.e);
    return ComplexExp::Of(x.m * PowerOfTwo(x.e - e), y.m * PowerOfTwo(y.e - e), e);
}

// MPFR keeps caches of its own in each thread (constants such as log 2, a pool of integers). The thread
// that reads a location or makes a reference orbit may end soon after, as a window's plot thread does, so
// they are given back when that work is done rather than left behind with the thread. Declared before
// the numbers of the work, it runs after they are cleared.
struct FreeMpfrCachesAtEnd {
    FreeMpfrCachesAtEnd() = default;
    FreeMpfrCachesAtEnd(const FreeMpfrCachesAtEnd&) = delete;
    FreeMpfrCachesAtEnd& operator=(const FreeMpfrCachesAtEnd&) = delete;
    ~FreeMpfrCachesAtEnd() { mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE); }
};

}  // namespace zenphra
