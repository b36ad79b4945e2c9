#include "engine/deep/branch_references.h"

#include "engine/deep/deep_image.h"
#include "engine/deep/reference_steps.h"

namespace zenphra {

void BranchReferences::Prepare(DeepEquation equation, const BigFloat& cRe, const BigFloat& cIm,
                               mpfr_prec_t bits, double limitValue, int64_t maxIters) {
    equation_ = equation;
    cRe_ = cRe;
    cIm_ = cIm;
    bits_ = bits;
    limitValue_ = limitValue;
    maxIters_ = maxIters;
}

void BranchReferences::Add(const DeepReference& reference, const BigFloat& startRe, const BigFloat& startIm) {
    const std::lock_guard lock(mutex_);
    starts_.emplace(&reference, Start{startRe, startIm, 0, 0});
}

BranchReferences::Crossing BranchReferences::Across(const DeepReference& from, int64_t m) {
    const std::lock_guard lock(mutex_);
    const auto key = std::make_pair(&from, m);
    if (const auto found = made_.find(key); found != made_.end()) return found->second;
    if (references_.size() >= kMostReferences) return {};
    const FreeMpfrCachesAtEnd freeCaches;
    const Crossing made = Make(from, m);
    made_.emplace(key, made);
    return made;
}

BranchReferences::Crossing BranchReferences::Make(const DeepReference& from, int64_t m) {
    const Start& origin = starts_.at(&from);
    // The value of `from` at step m, worked out again from its start.
    ReferenceStart start;
    start.equation = equation_;
    start.firstBranch = origin.firstBranch;
    start.cRe = &cRe_;
    start.cIm = &cIm_;
    ReferenceStepper stepper(start, bits_);
    BigFloat re(origin.re), im(origin.im);
    OrbitPoint unused;
    for (int64_t k = 0; k < m; ++k) stepper.Step(re, im, &unused);

    // Mirrored across the line re cIm + im cRe = 0: minus twice the side over |normal|^2 times the
    // normal (cIm, cRe).
    BigFloat side(bits_), normSquare(bits_), scale(bits_), moveRe(bits_), moveIm(bits_);
    mpfr_mul(side.get(), re.get(), cIm_.get(), MPFR_RNDN);
    mpfr_fma(side.get(), im.get(), cRe_.get(), side.get(), MPFR_RNDN);
    mpfr_sqr(normSquare.get(), cIm_.get(), MPFR_RNDN);
    mpfr_fma(normSquare.get(), cRe_.get(), cRe_.get(), normSquare.get(), MPFR_RNDN);
    mpfr_div(scale.get(), side.get(), normSquare.get(), MPFR_RNDN);
    mpfr_mul_2si(scale.get(), scale.get(), 1, MPFR_RNDN);
    mpfr_mul(moveRe.get(), scale.get(), cIm_.get(), MPFR_RNDN);
    mpfr_mul(moveIm.get(), scale.get(), cRe_.get(), MPFR_RNDN);
    mpfr_sub(re.get(), re.get(), moveRe.get(), MPFR_RNDN);
    mpfr_sub(im.get(), im.get(), moveIm.get(), MPFR_RNDN);

    // The branch `from` took there decides the other one.
    const int32_t otherBranch = from.orbit.aux[size_t(m)].re < 0 ? -1 : 1;
    DeepReference& made = references_.emplace_back();
    start.firstBranch = otherBranch;
    start.startRe = &re;
    start.startIm = &im;
    start.limitValue = limitValue_;
    start.maxIters = maxIters_ - (origin.iteration + m);
    ComputeReferenceOrbit(start, bits_, LongWork{}, &made.orbit);
    starts_.emplace(&made, Start{re, im, origin.iteration + m, otherBranch});
    mpfr_neg(moveRe.get(), moveRe.get(), MPFR_RNDN);
    mpfr_neg(moveIm.get(), moveIm.get(), MPFR_RNDN);
    return {&made, {moveRe.ToDouble(), moveIm.ToDouble()}, ComplexExpOf(moveRe, moveIm)};
}

size_t BranchReferences::Bytes() const {
    const std::lock_guard lock(mutex_);
    size_t bytes = 0;
    for (const DeepReference& reference : references_) bytes += sizeof(reference) + reference.orbit.Bytes();
    return bytes;
}

}  // namespace zenphra
