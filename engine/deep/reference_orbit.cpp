#include "engine/deep/reference_orbit.h"

#include <algorithm>
#include <cmath>

namespace zenphra {
namespace {

constexpr int64_t kPollEvery = 256;

// The temporaries of one step, allocated once.
struct Workspace {
    explicit Workspace(mpfr_prec_t bits) : a(bits), b(bits), aa(bits), bb(bits), ab(bits), t(bits), u(bits) {}
    BigFloat a, b, aa, bb, ab, t, u;
};

// y <- the next offset, from y = z - critical point.
void StepClassic(Workspace& w, const BigFloat& cRe, const BigFloat& cIm) {
    // z^2 + c: (a^2 - b^2 + cRe, 2ab + cIm)
    mpfr_sqr(w.aa.get(), w.a.get(), MPFR_RNDN);
    mpfr_sqr(w.bb.get(), w.b.get(), MPFR_RNDN);
    mpfr_mul(w.ab.get(), w.a.get(), w.b.get(), MPFR_RNDN);
    mpfr_sub(w.a.get(), w.aa.get(), w.bb.get(), MPFR_RNDN);
    mpfr_add(w.a.get(), w.a.get(), cRe.get(), MPFR_RNDN);
    mpfr_mul_2ui(w.b.get(), w.ab.get(), 1, MPFR_RNDN);
    mpfr_add(w.b.get(), w.b.get(), cIm.get(), MPFR_RNDN);
}

void StepLambda(Workspace& w, const BigFloat& cRe, const BigFloat& cIm) {
    // With y = z - 1/2, z (1 - z) = 1/4 - y^2 = t, and y' = c t - 1/2.
    mpfr_sqr(w.aa.get(), w.a.get(), MPFR_RNDN);
    mpfr_sqr(w.bb.get(), w.b.get(), MPFR_RNDN);
    mpfr_mul(w.ab.get(), w.a.get(), w.b.get(), MPFR_RNDN);
    mpfr_sub(w.t.get(), w.bb.get(), w.aa.get(), MPFR_RNDN);
    mpfr_add_d(w.t.get(), w.t.get(), 0.25, MPFR_RNDN);  // t.re
    mpfr_mul_2si(w.u.get(), w.ab.get(), 1, MPFR_RNDN);
    mpfr_neg(w.u.get(), w.u.get(), MPFR_RNDN);  // t.im
    // c t = (cRe tRe - cIm tIm, cRe tIm + cIm tRe)
    mpfr_mul(w.aa.get(), cRe.get(), w.t.get(), MPFR_RNDN);
    mpfr_mul(w.bb.get(), cIm.get(), w.u.get(), MPFR_RNDN);
    mpfr_sub(w.a.get(), w.aa.get(), w.bb.get(), MPFR_RNDN);
    mpfr_sub_d(w.a.get(), w.a.get(), 0.5, MPFR_RNDN);
    mpfr_mul(w.aa.get(), cRe.get(), w.u.get(), MPFR_RNDN);
    mpfr_mul(w.bb.get(), cIm.get(), w.t.get(), MPFR_RNDN);
    mpfr_add(w.b.get(), w.aa.get(), w.bb.get(), MPFR_RNDN);
}

bool IsTiny(mpfr_srcptr x) { return !mpfr_zero_p(x) && mpfr_get_exp(x) < ReferenceOrbit::kTinyExponent; }

}  // namespace

double CriticalPoint(DeepEquation equation) { return equation == DeepEquation::kLambda ? 0.5 : 0.0; }

ComplexExp ReferenceOrbit::Exact(int64_t n) const {
    const auto found = std::lower_bound(tiny.begin(), tiny.end(), n,
                                        [](const auto& entry, int64_t index) { return entry.first < index; });
    if (found != tiny.end() && found->first == n) return found->second;
    return ComplexExp::Of(points[size_t(n)].re, points[size_t(n)].im);
}

bool ComputeReferenceOrbit(const ReferenceStart& start, mpfr_prec_t precision, const LongWork& work,
                           ReferenceOrbit* orbit) {
    Workspace w(precision);
    mpfr_set(w.a.get(), start.startRe->get(), MPFR_RNDN);
    mpfr_set(w.b.get(), start.startIm->get(), MPFR_RNDN);
    const double critical = CriticalPoint(start.equation);
    BigFloat modulus(64), part(64);

    orbit->points.clear();
    orbit->tiny.clear();
    orbit->escaped = false;
    orbit->points.reserve(size_t(std::min<int64_t>(start.maxIters, 1 << 20)) + 1);
    const auto keep = [&](int64_t n) {
        orbit->points.push_back({w.a.ToDouble(), w.b.ToDouble()});
        if ((IsTiny(w.a.get()) || mpfr_zero_p(w.a.get())) && (IsTiny(w.b.get()) || mpfr_zero_p(w.b.get())) &&
            !(mpfr_zero_p(w.a.get()) && mpfr_zero_p(w.b.get()))) {
            orbit->points.back() = {};
            const FloatExp re = w.a.ToFloatExp(), im = w.b.ToFloatExp();
            const int64_t e = std::max(re.IsZero() ? INT64_MIN : re.e, im.IsZero() ? INT64_MIN : im.e);
            orbit->tiny.push_back(
                {n, ComplexExp::Of(re.m * PowerOfTwo(re.e - e), im.m * PowerOfTwo(im.e - e), e)});
        }
    };
    keep(0);
    for (int64_t n = 1; n <= start.maxIters; ++n) {
        if (n % kPollEvery == 0) {
            if (work.done != nullptr) work.done->store(n, std::memory_order_relaxed);
            if (work.Stopped()) return false;
        }
        if (start.equation == DeepEquation::kLambda) {
            StepLambda(w, *start.cRe, *start.cIm);
        } else {
            StepClassic(w, *start.cRe, *start.cIm);
        }
        keep(n);
        // |z|^2 with z = y + critical point, to 64 bits: enough to compare with a double bail-out.
        mpfr_add_d(part.get(), w.a.get(), critical, MPFR_RNDN);
        mpfr_sqr(modulus.get(), part.get(), MPFR_RNDN);
        mpfr_sqr(part.get(), w.b.get(), MPFR_RNDN);
        mpfr_add(modulus.get(), modulus.get(), part.get(), MPFR_RNDN);
        const OrbitPoint& last = orbit->points.back();
        if (mpfr_cmp_d(modulus.get(), start.limitValue) > 0 ||
            !std::isfinite(last.re * last.re + last.im * last.im)) {
            orbit->escaped = true;
            break;
        }
    }
    if (work.done != nullptr) work.done->store(orbit->Length(), std::memory_order_relaxed);
    return true;
}

}  // namespace zenphra
