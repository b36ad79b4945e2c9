#include "cli/exact_frames.h"

#include <algorithm>
#include <cmath>

#include "app/common/big_decimal.h"

namespace zenphra::cli {
namespace {

using Big = app::BigDecimal;
using app::ExponentText;
using app::RoughLog2;

constexpr mpfr_prec_t kMagnificationBits = 128;
constexpr int kMagnificationDigits = 30;
constexpr mpfr_prec_t kSpareBits = 64;

}  // namespace

ExactView ExactFrameView(const ExactView& start, const ExactView& target, int32_t frame, int32_t frames,
                         int32_t width) {
    if (frame <= 0 && frames > 1) return start;
    if (frame >= frames - 1) return target;
    // How far the movie has come: 0 on the first frame, 1 on the last.
    Big t(kMagnificationBits);
    mpfr_set_si(t.get(), frame, MPFR_RNDN);
    mpfr_div_si(t.get(), t.get(), frames - 1, MPFR_RNDN);
    Big rest(kMagnificationBits);  // 1 - t
    mpfr_si_sub(rest.get(), 1, t.get(), MPFR_RNDN);

    // M = exp((1 - t) ln M0 + t ln M1): the same factor from each frame to the next.
    Big m0(kMagnificationBits, start.magnify), m1(kMagnificationBits, target.magnify);
    Big logM(kMagnificationBits), part(kMagnificationBits), m(kMagnificationBits);
    mpfr_log(logM.get(), m0.get(), MPFR_RNDN);
    mpfr_mul(logM.get(), logM.get(), rest.get(), MPFR_RNDN);
    mpfr_log(part.get(), m1.get(), MPFR_RNDN);
    mpfr_mul(part.get(), part.get(), t.get(), MPFR_RNDN);
    mpfr_add(logM.get(), logM.get(), part.get(), MPFR_RNDN);
    mpfr_exp(m.get(), logM.get(), MPFR_RNDN);

    // The centre C0 w + C1 (1 - w), w = (M0 / M) (1 - t), at the precision the deeper end needs.
    const double deepest = std::max(RoughLog2(start.magnify), RoughLog2(target.magnify));
    const auto bits =
        static_cast<mpfr_prec_t>(std::max(0.0, deepest) + std::log2(std::max(width, 1))) + kSpareBits;
    Big w(bits), otherWeight(bits);
    mpfr_div(w.get(), m0.get(), m.get(), MPFR_RNDN);
    mpfr_mul(w.get(), w.get(), rest.get(), MPFR_RNDN);
    mpfr_si_sub(otherWeight.get(), 1, w.get(), MPFR_RNDN);
    const auto blend = [&](const QString& from, const QString& to) {
        Big c0(bits, from), c1(bits, to), c(bits), term(bits);
        mpfr_mul(c.get(), c0.get(), w.get(), MPFR_RNDN);
        mpfr_mul(term.get(), c1.get(), otherWeight.get(), MPFR_RNDN);
        mpfr_add(c.get(), c.get(), term.get(), MPFR_RNDN);
        return ExponentText(c.get(), static_cast<int>(std::ceil(double(bits) * std::log10(2.0))) + 1);
    };
    return {blend(start.centerReal, target.centerReal), blend(start.centerImag, target.centerImag),
            ExponentText(m.get(), kMagnificationDigits)};
}

}  // namespace zenphra::cli
