#include "engine/deep/reference_orbit.h"

#include <algorithm>
#include <cmath>

#include "engine/deep/reference_steps.h"

namespace zenphra {
namespace {

constexpr int64_t kPollEvery = 256;

bool IsTiny(mpfr_srcptr x) { return !mpfr_zero_p(x) && mpfr_get_exp(x) < ReferenceOrbit::kTinyExponent; }

}  // namespace

double Origin(DeepEquation equation) { return equation == DeepEquation::kLambda ? 0.5 : 0.0; }

double SetStart(DeepEquation equation) {
    return equation == DeepEquation::kLambda || equation == DeepEquation::kChebyshev ? 0.5 : 0.0;
}

bool KeepsAux(DeepEquation equation) {
    return equation == DeepEquation::kPokorny || equation == DeepEquation::kSpiralSymmetry2 ||
           equation == DeepEquation::kBarnsley2;
}

ComplexExp ReferenceOrbit::Exact(int64_t n) const {
    const auto found = std::lower_bound(tiny.begin(), tiny.end(), n,
                                        [](const auto& entry, int64_t index) { return entry.first < index; });
    if (found != tiny.end() && found->first == n) return found->second;
    return ComplexExp::Of(points[size_t(n)].re, points[size_t(n)].im);
}

bool ComputeReferenceOrbit(const ReferenceStart& start, mpfr_prec_t precision, const LongWork& work,
                           ReferenceOrbit* orbit) {
    ReferenceStepper stepper(start, precision);
    BigFloat a(precision), b(precision);
    mpfr_set(a.get(), start.startRe->get(), MPFR_RNDN);
    mpfr_set(b.get(), start.startIm->get(), MPFR_RNDN);
    const double origin = Origin(start.equation);
    // A pixel beside a reference that passes the bail-out may itself stay within it: the orbit goes on
    // past the bail-out while its values stay far from a double's limits, so that such pixels can keep
    // following it (where the orbit stays bounded, as some equations' do, to the iteration limit).
    const double farBeyond = std::max(start.limitValue, 1.0) * 0x1p200;
    const bool keepsAux = KeepsAux(start.equation);
    BigFloat modulus(64), part(64);

    orbit->points.clear();
    orbit->aux.clear();
    orbit->tiny.clear();
    orbit->escaped = false;
    const size_t expected = size_t(std::min<int64_t>(start.maxIters, 1 << 20)) + 1;
    orbit->points.reserve(expected);
    if (keepsAux) orbit->aux.reserve(expected);
    const auto keep = [&](int64_t n) {
        orbit->points.push_back({a.ToDouble(), b.ToDouble()});
        if ((IsTiny(a.get()) || mpfr_zero_p(a.get())) && (IsTiny(b.get()) || mpfr_zero_p(b.get())) &&
            !(mpfr_zero_p(a.get()) && mpfr_zero_p(b.get()))) {
            orbit->points.back() = {};
            orbit->tiny.push_back({n, ComplexExpOf(a, b)});
        }
    };
    keep(0);
    for (int64_t n = 1; n <= start.maxIters; ++n) {
        if (n % kPollEvery == 0) {
            if (work.done != nullptr) work.done->store(n, std::memory_order_relaxed);
            if (work.Stopped()) return false;
        }
        OrbitPoint aux;
        stepper.Step(a, b, &aux);
        if (keepsAux) orbit->aux.push_back(aux);
        keep(n);
        // |z|^2 with z = y + origin, to 64 bits: enough to compare with a double bound.
        mpfr_add_d(part.get(), a.get(), origin, MPFR_RNDN);
        mpfr_sqr(modulus.get(), part.get(), MPFR_RNDN);
        mpfr_sqr(part.get(), b.get(), MPFR_RNDN);
        mpfr_add(modulus.get(), modulus.get(), part.get(), MPFR_RNDN);
        const OrbitPoint& last = orbit->points.back();
        if (mpfr_cmp_d(modulus.get(), farBeyond) > 0 ||
            !std::isfinite(last.re * last.re + last.im * last.im)) {
            orbit->escaped = true;
            break;
        }
    }
    if (work.done != nullptr) work.done->store(orbit->Length(), std::memory_order_relaxed);
    return true;
}

}  // namespace zenphra
