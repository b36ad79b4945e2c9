#include "app/common/exact_move.h"

#include <algorithm>
#include <cmath>

#include "app/common/big_decimal.h"
#include "app/common/exact_location.h"
#include "app/common/valid_num.h"
#include "zenphra.h"

namespace zenphra::app {
namespace {

constexpr double kPlaneWidth = 3.6;  // at magnification 1
constexpr int kSpareDecimals = 20;
constexpr int kMagnifyDigits = 20;
constexpr double kLog10Of2 = 0.30102999566398120;

// The decimals after the point a decimal text holds ("-1.250e3" counts its exponent).
int DecimalsOf(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(QLatin1Char('.'));
    qsizetype end = trimmed.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    const qint64 exponent = end < 0 ? 0 : trimmed.mid(end + 1).toLongLong();
    if (end < 0) end = trimmed.size();
    const qint64 decimals = (point < 0 ? 0 : end - point - 1) - exponent;
    return int(std::clamp<qint64>(decimals, 0, ZENPHRA_DEEP_TEXT_LIMIT));
}

// The magnification's text with its trailing zeros dropped: "2e+100", "6.75e+49".
QString MagnifyText(mpfr_ptr magnify) {
    QString text = ExponentText(magnify, kMagnifyDigits);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(e);
    while (mantissa.endsWith(QLatin1Char('0'))) mantissa.chop(1);
    if (mantissa.endsWith(QLatin1Char('.'))) mantissa.chop(1);
    return mantissa + text.mid(e);
}

}  // namespace

bool DoublesResolve(const FractalParams& params) {
    const double step = kPlaneWidth / params.TotalMagnify / params.HorRes;
    const double scale = std::max({1.0, std::fabs(params.PrevRealCenter), std::fabs(params.PrevImagCenter)});
    return step >= std::ldexp(scale, -ZENPHRA_DOUBLE_RESOLUTION_BITS);
}

void MoveExactly(FractalParams& params, double pixelsRe, double pixelsIm, double factor) {
    const QString re = ExactPartText(params.ExactRealCenter, params.PrevRealCenter);
    const QString im = ExactPartText(params.ExactImagCenter, params.PrevImagCenter);
    const QString magnifyText = ExactPartText(params.ExactMagnify, params.TotalMagnify);

    // The pixel step and the sum need the bits across the deeper of the two images, and those the
    // centre's texts already hold; the magnification is read at that precision too (1e60 alone needs
    // 140 bits).
    const double log2Magnify = RoughLog2(magnifyText);
    const double bitsAcross =
        std::max(log2Magnify, log2Magnify + std::log2(factor)) + std::log2(params.HorRes);
    const int decimals = std::max({int(std::ceil(std::max(0.0, bitsAcross) * kLog10Of2)) + kSpareDecimals,
                                   DecimalsOf(re), DecimalsOf(im)});
    const auto bits = mpfr_prec_t(std::ceil(decimals / kLog10Of2)) + 64;

    BigDecimal magnify(bits, magnifyText), newMagnify(bits), step(bits);
    mpfr_mul_d(newMagnify.get(), magnify.get(), factor, MPFR_RNDN);
    mpfr_set_d(step.get(), kPlaneWidth, MPFR_RNDN);
    mpfr_div(step.get(), step.get(), magnify.get(), MPFR_RNDN);
    mpfr_div_si(step.get(), step.get(), params.HorRes, MPFR_RNDN);
    const auto moved = [&](const QString& from, double pixels) {
        BigDecimal centre(bits, from), offset(bits);
        mpfr_mul_d(offset.get(), step.get(), pixels, MPFR_RNDN);
        mpfr_add(centre.get(), centre.get(), offset.get(), MPFR_RNDN);
        return PointText(centre.get(), decimals);
    };
    params.ExactRealCenter = moved(re, pixelsRe);
    params.ExactImagCenter = moved(im, pixelsIm);
    params.ExactMagnify = MagnifyText(newMagnify.get());
    params.PrevRealCenter = ParseLargeNumber(params.ExactRealCenter).value_or(params.PrevRealCenter);
    params.PrevImagCenter = ParseLargeNumber(params.ExactImagCenter).value_or(params.PrevImagCenter);
    params.TotalMagnify = ParseLargeNumber(params.ExactMagnify).value_or(params.TotalMagnify);
}

}  // namespace zenphra::app
