#include "tests/engine/deep/direct_reference.h"

#include <mpfr.h>

#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

namespace zenphra::test {
namespace {

// One MPFR number that frees itself.
class Real {
  public:
    explicit Real(long bits) { mpfr_init2(x_, bits); }
    ~Real() { mpfr_clear(x_); }
    Real(const Real&) = delete;
    Real& operator=(const Real&) = delete;
    mpfr_ptr operator*() { return x_; }

  private:
    mpfr_t x_;
};

// z^2 + c into (x, y), from the squares and the product.
void Square(mpfr_ptr x, mpfr_ptr y, mpfr_ptr xx, mpfr_ptr yy, mpfr_ptr xy, mpfr_ptr a, mpfr_ptr b) {
    mpfr_sub(x, xx, yy, MPFR_RNDN);
    mpfr_add(x, x, a, MPFR_RNDN);
    mpfr_mul_2ui(y, xy, 1, MPFR_RNDN);
    mpfr_add(y, y, b, MPFR_RNDN);
}

// The Chebyshev polynomial of the given order, expanded: coefficients of x^order, x^(order - 2), ...
// (P3 = x^3 - 3x, P4 = x^4 - 4x^2 + 2, and on, each nesting multiplied out).
const std::vector<long>& ChebyshevCoefficients(int order) {
    static const std::vector<long> table[] = {
        {1, -3},         {1, -4, 2},          {1, -5, 3},         {1, -6, 7, -2},
        {1, -7, 12, -5}, {1, -8, 18, -12, 2}, {1, -9, 25, -24, 7}};
    return table[order - 3];
}

// out <- P(x), by powers of x.
void Chebyshev(int order, mpfr_ptr x, mpfr_ptr out, mpfr_ptr power, long bits) {
    mpfr_set_zero(out, 1);
    const std::vector<long>& k = ChebyshevCoefficients(order);
    Real term(bits);
    for (size_t i = 0; i < k.size(); ++i) {
        mpfr_pow_ui(power, x, (unsigned long)(order - 2 * long(i)), MPFR_RNDN);
        mpfr_mul_si(*term, power, k[i], MPFR_RNDN);
        mpfr_add(out, out, *term, MPFR_RNDN);
    }
}

// Steps until |z|^2 passes the limit, or 0 when it does not within maxIters.
int64_t DirectSteps(const DeepScene& scene, mpfr_ptr pointRe, mpfr_ptr pointIm, long bits) {
    Real x(bits), y(bits), a(bits), b(bits), xx(bits), yy(bits), xy(bits), t(bits), u(bits);
    if (scene.julia) {
        mpfr_set(*x, pointRe, MPFR_RNDN);
        mpfr_set(*y, pointIm, MPFR_RNDN);
        mpfr_set_d(*a, scene.juliaReal, MPFR_RNDN);
        mpfr_set_d(*b, scene.juliaImag, MPFR_RNDN);
    } else {
        mpfr_set_d(*x, scene.equation == 24 || scene.equation == 29 ? 0.5 : 0.0, MPFR_RNDN);
        mpfr_set_zero(*y, 1);
        mpfr_set(*a, pointRe, MPFR_RNDN);
        mpfr_set(*b, pointIm, MPFR_RNDN);
    }
    for (int64_t n = 1; n <= scene.maxIters; ++n) {
        mpfr_sqr(*xx, *x, MPFR_RNDN);
        mpfr_sqr(*yy, *y, MPFR_RNDN);
        mpfr_mul(*xy, *x, *y, MPFR_RNDN);
        if (scene.equation == 0) {  // z^2 + c
            Square(*x, *y, *xx, *yy, *xy, *a, *b);
        } else if (scene.equation == 1) {  // 1 / (z^2 + c), 1e20 + 1e20i where |z^2 + c|^2 < 1e-30
            Square(*t, *u, *xx, *yy, *xy, *a, *b);
            mpfr_sqr(*xx, *t, MPFR_RNDN);
            mpfr_sqr(*yy, *u, MPFR_RNDN);
            mpfr_add(*xx, *xx, *yy, MPFR_RNDN);
            if (mpfr_cmp_d(*xx, 1e-30) < 0) {
                mpfr_set_d(*x, 1e20, MPFR_RNDN);
                mpfr_set_d(*y, 1e20, MPFR_RNDN);
            } else {
                mpfr_div(*x, *t, *xx, MPFR_RNDN);
                mpfr_div(*y, *u, *xx, MPFR_RNDN);
                mpfr_neg(*y, *y, MPFR_RNDN);
            }
        } else if (scene.equation == 7) {  // (|x^2 - y^2| - a, 2xy - b)
            mpfr_sub(*x, *xx, *yy, MPFR_RNDN);
            mpfr_abs(*x, *x, MPFR_RNDN);
            mpfr_sub(*x, *x, *a, MPFR_RNDN);
            mpfr_mul_2ui(*y, *xy, 1, MPFR_RNDN);
            mpfr_sub(*y, *y, *b, MPFR_RNDN);
        } else if (scene.equation == 28) {  // (z + 1) c where x b + y a < 0, else (z - 1) c
            mpfr_mul(*t, *x, *b, MPFR_RNDN);
            mpfr_mul(*u, *y, *a, MPFR_RNDN);
            mpfr_add(*t, *t, *u, MPFR_RNDN);
            mpfr_add_si(*x, *x, mpfr_sgn(*t) < 0 ? 1 : -1, MPFR_RNDN);
            mpfr_mul(*xx, *x, *a, MPFR_RNDN);
            mpfr_mul(*yy, *y, *b, MPFR_RNDN);
            mpfr_mul(*t, *x, *b, MPFR_RNDN);
            mpfr_mul(*u, *y, *a, MPFR_RNDN);
            mpfr_sub(*x, *xx, *yy, MPFR_RNDN);
            mpfr_add(*y, *t, *u, MPFR_RNDN);
        } else if (scene.equation == 29) {  // (b P(x) + x - a P(y), y + a P(x) - b P(y))
            Chebyshev(scene.chebyshevOrder, *x, *t, *xx, bits);
            Chebyshev(scene.chebyshevOrder, *y, *u, *xx, bits);
            mpfr_mul(*xx, *b, *t, MPFR_RNDN);
            mpfr_add(*xx, *xx, *x, MPFR_RNDN);
            mpfr_mul(*yy, *a, *u, MPFR_RNDN);
            mpfr_sub(*x, *xx, *yy, MPFR_RNDN);
            mpfr_mul(*xx, *a, *t, MPFR_RNDN);
            mpfr_add(*xx, *xx, *y, MPFR_RNDN);
            mpfr_mul(*yy, *b, *u, MPFR_RNDN);
            mpfr_sub(*y, *xx, *yy, MPFR_RNDN);
        } else {  // c z (1 - z): t + i u = z - z^2
            mpfr_sub(*t, *x, *xx, MPFR_RNDN);
            mpfr_add(*t, *t, *yy, MPFR_RNDN);
            mpfr_mul_2ui(*u, *xy, 1, MPFR_RNDN);
            mpfr_sub(*u, *y, *u, MPFR_RNDN);
            mpfr_mul(*xx, *a, *t, MPFR_RNDN);
            mpfr_mul(*yy, *b, *u, MPFR_RNDN);
            mpfr_sub(*x, *xx, *yy, MPFR_RNDN);
            mpfr_mul(*xx, *a, *u, MPFR_RNDN);
            mpfr_mul(*yy, *b, *t, MPFR_RNDN);
            mpfr_add(*y, *xx, *yy, MPFR_RNDN);
        }
        const double re = mpfr_get_d(*x, MPFR_RNDN), im = mpfr_get_d(*y, MPFR_RNDN);
        if (re * re + im * im > scene.limit) return n;
    }
    return 0;
}

// The point of pixel (row, column) shifted right by `shift` pixels: the centre plus the pixel's offset
// from the middle of the image, turned by the angle, times the width of a pixel.
void PixelPoint(const DeepScene& scene, int row, int column, double shift, long bits, mpfr_ptr re,
                mpfr_ptr im) {
    const double across = column - scene.width / 2.0 + shift, up = scene.height / 2.0 - row;
    const double turn = scene.angle * std::numbers::pi / 180.0;
    const double offRe = across * std::cos(turn) - up * std::sin(turn);
    const double offIm = across * std::sin(turn) + up * std::cos(turn);
    Real step(bits), magnify(bits), part(bits);
    mpfr_set_str(*magnify, scene.magnify.c_str(), 10, MPFR_RNDN);
    mpfr_set_d(*step, 3.6, MPFR_RNDN);
    mpfr_div(*step, *step, *magnify, MPFR_RNDN);
    mpfr_div_si(*step, *step, scene.width, MPFR_RNDN);
    mpfr_set_str(re, scene.centreRe.c_str(), 10, MPFR_RNDN);
    mpfr_set_str(im, scene.centreIm.c_str(), 10, MPFR_RNDN);
    mpfr_mul_d(*part, *step, offRe, MPFR_RNDN);
    mpfr_add(re, re, *part, MPFR_RNDN);
    mpfr_mul_d(*part, *step, offIm, MPFR_RNDN);
    mpfr_add(im, im, *part, MPFR_RNDN);
}

int64_t StepsAt(const DeepScene& scene, int row, int column, double shift, long bits) {
    Real re(bits), im(bits);
    PixelPoint(scene, row, column, shift, bits, *re, *im);
    return DirectSteps(scene, *re, *im, bits);
}

}  // namespace

long AmpleBits(const DeepScene& scene) {
    Real magnify(64);
    mpfr_set_str(*magnify, scene.magnify.c_str(), 10, MPFR_RNDN);
    long exponent = 0;
    const double mantissa = mpfr_get_d_2exp(&exponent, *magnify, MPFR_RNDN);
    return long(std::ceil(double(exponent) + std::log2(mantissa * scene.width))) + 128;
}

std::vector<int> DirectLevelSet(const DeepScene& scene, long bits) {
    const int pixels = scene.width * scene.height;
    std::vector<int> indices(pixels);
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int k; (k = next++) < pixels;) {
            const int row = k / scene.width, column = k % scene.width;
            const int64_t steps = StepsAt(scene, row, column, 0.0, bits);
            const bool stable = steps == StepsAt(scene, row, column, 1e-6, bits) &&
                                steps == StepsAt(scene, row, column, 0.0, bits + 64);
            const bool everyColour = scene.equation == 0 || scene.equation == 24;
            const int level = everyColour ? int((steps - 1) % 232) : int((steps - 1) % 8) * 29 + 7;
            indices[k] = !stable ? -1 : steps == 0 ? 232 : level;
        }
    };
    std::thread helper(work);
    work();
    helper.join();
    return indices;
}

}  // namespace zenphra::test
