// Real 2x2 matrices acting on (re, im), for the approximation tables of the equations whose steps are
// not conformal ("Spiral Symmetry 2" folds, "Chebyshev" treats the two parts apart): their linear part
// stretches and turns re and im differently, so it is no complex product.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/deep/deep_complex.h"
#include "engine/deep/float_exp.h"

namespace zenphra {

// (re, im) -> (xx re + xy im, yx re + yy im).
struct Matrix2 {
    double xx = 0, xy = 0, yx = 0, yy = 0;
};

inline Cd operator*(const Matrix2& a, Cd z) { return {a.xx * z.re + a.xy * z.im, a.yx * z.re + a.yy * z.im}; }

// A matrix times 2^e with one exponent for its four entries, the largest of them kept with
// 1 <= |entry| < 2 (or all 0): products of many steps' matrices stay far from a double's range.
struct MatrixExp {
    double xx = 0, xy = 0, yx = 0, yy = 0;
    int64_t e = 0;

    static MatrixExp Of(const Matrix2& m, int64_t exponent = 0) {
        MatrixExp x{m.xx, m.xy, m.yx, m.yy, exponent};
        x.Normalise();
        return x;
    }

    void Normalise() {
        const double largest =
            std::fmax(std::fmax(std::fabs(xx), std::fabs(xy)), std::fmax(std::fabs(yx), std::fabs(yy)));
        if (largest == 0.0 || !std::isfinite(largest)) {
            if (largest == 0.0) e = 0;
            return;
        }
        int exponent = 0;
        std::frexp(largest, &exponent);
        const int shift = exponent - 1;
        xx = std::ldexp(xx, -shift), xy = std::ldexp(xy, -shift);
        yx = std::ldexp(yx, -shift), yy = std::ldexp(yy, -shift);
        e += shift;
    }

    bool IsZero() const { return xx == 0.0 && xy == 0.0 && yx == 0.0 && yy == 0.0; }

    // The nearest doubles; 0 or infinities beyond a double's range.
    Matrix2 ToDouble() const {
        const double scale = PowerOfTwo(e);
        return {xx * scale, xy * scale, yx * scale, yy * scale};
    }
};

inline MatrixExp operator*(const MatrixExp& a, const MatrixExp& b) {
    const Matrix2 product{a.xx * b.xx + a.xy * b.yx, a.xx * b.xy + a.xy * b.yy, a.yx * b.xx + a.yy * b.yx,
                          a.yx * b.xy + a.yy * b.yy};
    return MatrixExp::Of(product, a.e + b.e);
}

inline MatrixExp operator+(MatrixExp a, MatrixExp b) {
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    if (a.e < b.e) std::swap(a, b);
    const double scale = PowerOfTwo(b.e - a.e);
    return MatrixExp::Of({a.xx + b.xx * scale, a.xy + b.xy * scale, a.yx + b.yx * scale, a.yy + b.yy * scale},
                         a.e);
}

inline ComplexExp operator*(const MatrixExp& a, const ComplexExp& z) {
    return ComplexExp::Of(a.xx * z.re + a.xy * z.im, a.yx * z.re + a.yy * z.im, a.e + z.e);
}

// The most the matrix lengthens any vector (its largest singular value), rounded up.
inline FloatExp LargestStretch(const MatrixExp& a) {
    const double frobenius = a.xx * a.xx + a.xy * a.xy + a.yx * a.yx + a.yy * a.yy;
    const double determinant = a.xx * a.yy - a.xy * a.yx;
    const double gap = std::sqrt(std::fmax(0.0, frobenius * frobenius - 4.0 * determinant * determinant));
    return FloatExp::Of(std::sqrt((frobenius + gap) * 0.5) * (1.0 + 0x1p-40), a.e);
}

// The least the matrix lengthens any vector, rounded down: |det| / largest >= |det| / Frobenius.
inline double SmallestStretch(const Matrix2& a) {
    const double frobenius = std::sqrt(a.xx * a.xx + a.xy * a.xy + a.yx * a.yx + a.yy * a.yy);
    const double determinant = std::fabs(a.xx * a.yy - a.xy * a.yx);
    return frobenius > 0 ? determinant / frobenius * (1.0 - 0x1p-40) : 0.0;
}

}  // namespace zenphra
