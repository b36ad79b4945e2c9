#include "engine/deep/reference_steps.h"

#include "engine/deep/chebyshev_nesting.h"

namespace zenphra {
namespace {

// Below this |z^2 + c|^2 the double engine's division gives 1e20 + 1e20i.
constexpr double kSmallestDivisor = 1e-30;
constexpr double kDivisionGuard = 1e20;

}  // namespace

ReferenceStepper::ReferenceStepper(const ReferenceStart& start, mpfr_prec_t bits)
    : start_(start),
      firstBranch_(start.firstBranch),
      aa_(bits),
      bb_(bits),
      ab_(bits),
      t_(bits),
      u_(bits),
      v_(bits) {}

void ReferenceStepper::Step(BigFloat& re, BigFloat& im, OrbitPoint* aux) {
    switch (start_.equation) {
        case DeepEquation::kClassic:
            return Classic(re, im);
        case DeepEquation::kLambda:
            return Lambda(re, im);
        case DeepEquation::kPokorny:
            return Pokorny(re, im, aux);
        case DeepEquation::kSpiralSymmetry2:
            return SpiralSymmetry2(re, im, aux);
        case DeepEquation::kBarnsley2:
            return Barnsley2(re, im, aux);
        case DeepEquation::kChebyshev:
            return Chebyshev(re, im);
    }
}

void ReferenceStepper::Classic(BigFloat& a, BigFloat& b) {
    // z^2 + c: (a^2 - b^2 + cRe, 2ab + cIm)
    mpfr_sqr(aa_.get(), a.get(), MPFR_RNDN);
    mpfr_sqr(bb_.get(), b.get(), MPFR_RNDN);
    mpfr_mul(ab_.get(), a.get(), b.get(), MPFR_RNDN);
    mpfr_sub(a.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    mpfr_add(a.get(), a.get(), start_.cRe->get(), MPFR_RNDN);
    mpfr_mul_2ui(b.get(), ab_.get(), 1, MPFR_RNDN);
    mpfr_add(b.get(), b.get(), start_.cIm->get(), MPFR_RNDN);
}

void ReferenceStepper::Lambda(BigFloat& a, BigFloat& b) {
    // With y = z - 1/2, z (1 - z) = 1/4 - y^2 = t, and y' = c t - 1/2.
    mpfr_srcptr cRe = start_.cRe->get(), cIm = start_.cIm->get();
    mpfr_sqr(aa_.get(), a.get(), MPFR_RNDN);
    mpfr_sqr(bb_.get(), b.get(), MPFR_RNDN);
    mpfr_mul(ab_.get(), a.get(), b.get(), MPFR_RNDN);
    mpfr_sub(t_.get(), bb_.get(), aa_.get(), MPFR_RNDN);
    mpfr_add_d(t_.get(), t_.get(), 0.25, MPFR_RNDN);  // t.re
    mpfr_mul_2si(u_.get(), ab_.get(), 1, MPFR_RNDN);
    mpfr_neg(u_.get(), u_.get(), MPFR_RNDN);  // t.im
    // c t = (cRe tRe - cIm tIm, cRe tIm + cIm tRe)
    mpfr_mul(aa_.get(), cRe, t_.get(), MPFR_RNDN);
    mpfr_mul(bb_.get(), cIm, u_.get(), MPFR_RNDN);
    mpfr_sub(a.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    mpfr_sub_d(a.get(), a.get(), 0.5, MPFR_RNDN);
    mpfr_mul(aa_.get(), cRe, u_.get(), MPFR_RNDN);
    mpfr_mul(bb_.get(), cIm, t_.get(), MPFR_RNDN);
    mpfr_add(b.get(), aa_.get(), bb_.get(), MPFR_RNDN);
}

void ReferenceStepper::Pokorny(BigFloat& a, BigFloat& b, OrbitPoint* aux) {
    // w = z^2 + c, then 1 / w = conj(w) / |w|^2, guarded as the double engine guards it.
    Classic(a, b);
    *aux = {a.ToDouble(), b.ToDouble()};
    mpfr_sqr(aa_.get(), a.get(), MPFR_RNDN);
    mpfr_sqr(bb_.get(), b.get(), MPFR_RNDN);
    mpfr_add(t_.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    if (mpfr_cmp_d(t_.get(), kSmallestDivisor) < 0) {
        mpfr_set_d(a.get(), kDivisionGuard, MPFR_RNDN);
        mpfr_set_d(b.get(), kDivisionGuard, MPFR_RNDN);
        return;
    }
    mpfr_div(a.get(), a.get(), t_.get(), MPFR_RNDN);
    mpfr_div(b.get(), b.get(), t_.get(), MPFR_RNDN);
    mpfr_neg(b.get(), b.get(), MPFR_RNDN);
}

void ReferenceStepper::SpiralSymmetry2(BigFloat& a, BigFloat& b, OrbitPoint* aux) {
    // (|a^2 - b^2| - cRe, 2ab - cIm)
    mpfr_sqr(aa_.get(), a.get(), MPFR_RNDN);
    mpfr_sqr(bb_.get(), b.get(), MPFR_RNDN);
    mpfr_mul(ab_.get(), a.get(), b.get(), MPFR_RNDN);
    mpfr_sub(a.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    *aux = {a.ToDouble(), 0.0};
    mpfr_abs(a.get(), a.get(), MPFR_RNDN);
    mpfr_sub(a.get(), a.get(), start_.cRe->get(), MPFR_RNDN);
    mpfr_mul_2ui(b.get(), ab_.get(), 1, MPFR_RNDN);
    mpfr_sub(b.get(), b.get(), start_.cIm->get(), MPFR_RNDN);
}

void ReferenceStepper::Barnsley2(BigFloat& a, BigFloat& b, OrbitPoint* aux) {
    // (a + t, b) c, t = +1 where the side a cIm + b cRe is negative, -1 elsewhere (on the line too).
    mpfr_srcptr cRe = start_.cRe->get(), cIm = start_.cIm->get();
    mpfr_mul(aa_.get(), a.get(), cIm, MPFR_RNDN);
    mpfr_mul(bb_.get(), b.get(), cRe, MPFR_RNDN);
    mpfr_add(t_.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    *aux = {t_.ToDouble(), 0.0};
    int32_t branch = mpfr_sgn(t_.get()) < 0 ? 1 : -1;
    if (firstBranch_ != 0) {
        branch = firstBranch_;
        // The side kept says the branch taken, also for an orbit started on the line.
        if ((branch == 1) != (aux->re < 0)) aux->re = branch == 1 ? -0x1p-1074 : 0.0;
        firstBranch_ = 0;
    }
    mpfr_add_si(a.get(), a.get(), branch, MPFR_RNDN);
    mpfr_mul(aa_.get(), a.get(), cRe, MPFR_RNDN);
    mpfr_mul(bb_.get(), b.get(), cIm, MPFR_RNDN);
    mpfr_mul(u_.get(), a.get(), cIm, MPFR_RNDN);
    mpfr_mul(v_.get(), b.get(), cRe, MPFR_RNDN);
    mpfr_sub(a.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    mpfr_add(b.get(), u_.get(), v_.get(), MPFR_RNDN);
}

void ReferenceStepper::ChebyshevPolynomial(const BigFloat& x, BigFloat& out) {
    const ChebyshevNesting nesting = ChebyshevNestingOf(start_.chebyshevOrder);
    mpfr_sqr(v_.get(), x.get(), MPFR_RNDN);
    mpfr_set_ui(out.get(), 1, MPFR_RNDN);
    for (int32_t k = 0; k < nesting.count; ++k) {
        mpfr_mul(out.get(), out.get(), v_.get(), MPFR_RNDN);
        mpfr_add_d(out.get(), out.get(), nesting.constant[size_t(k)], MPFR_RNDN);
    }
    if (nesting.odd) mpfr_mul(out.get(), out.get(), x.get(), MPFR_RNDN);
}

void ReferenceStepper::Chebyshev(BigFloat& a, BigFloat& b) {
    // (cIm P(a) + a - cRe P(b), b + cRe P(a) - cIm P(b))
    mpfr_srcptr cRe = start_.cRe->get(), cIm = start_.cIm->get();
    ChebyshevPolynomial(a, t_);
    ChebyshevPolynomial(b, u_);
    mpfr_mul(aa_.get(), cIm, t_.get(), MPFR_RNDN);
    mpfr_add(aa_.get(), aa_.get(), a.get(), MPFR_RNDN);
    mpfr_mul(bb_.get(), cRe, u_.get(), MPFR_RNDN);
    mpfr_sub(a.get(), aa_.get(), bb_.get(), MPFR_RNDN);
    mpfr_mul(aa_.get(), cRe, t_.get(), MPFR_RNDN);
    mpfr_add(aa_.get(), aa_.get(), b.get(), MPFR_RNDN);
    mpfr_mul(bb_.get(), cIm, u_.get(), MPFR_RNDN);
    mpfr_sub(b.get(), aa_.get(), bb_.get(), MPFR_RNDN);
}

}  // namespace zenphra
