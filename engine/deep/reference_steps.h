// One step of each deep equation in MPFR, on the reference's offset y = z - origin, at the
// reference's precision.
#pragma once

#include "engine/deep/big_float.h"
#include "engine/deep/reference_orbit.h"

namespace zenphra {

class ReferenceStepper {
  public:
    ReferenceStepper(const ReferenceStart& start, mpfr_prec_t bits);

    // (re, im) <- the next offset. `aux` gets this step's value of ReferenceOrbit::aux.
    void Step(BigFloat& re, BigFloat& im, OrbitPoint* aux);

  private:
    void Classic(BigFloat& re, BigFloat& im);
    void Lambda(BigFloat& re, BigFloat& im);
    void Pokorny(BigFloat& re, BigFloat& im, OrbitPoint* aux);
    void SpiralSymmetry2(BigFloat& re, BigFloat& im, OrbitPoint* aux);
    void Barnsley2(BigFloat& re, BigFloat& im, OrbitPoint* aux);
    void Chebyshev(BigFloat& re, BigFloat& im);
    // out <- the Chebyshev polynomial of x (out must not be x).
    void ChebyshevPolynomial(const BigFloat& x, BigFloat& out);

    const ReferenceStart& start_;
    int32_t firstBranch_;  // until the first step is made
    BigFloat aa_, bb_, ab_, t_, u_, v_;
};

}  // namespace zenphra
