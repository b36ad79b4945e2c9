// "Barnsley 2" takes one of two branches by the side of a line through 0. A pixel whose orbit lies on
// the other side than its reference's while the two are still very close cannot go on from that
// reference: its difference would become the whole jump between the branches, and a double holding
// that jump keeps no trace of where the pixel lies within its neighbours. It moves instead to a
// reference of the other branch, the reference's value there mirrored across the line and iterated on
// in MPFR. Such references are made when a pixel first needs one, once for each reference and
// iteration, and shared by every pixel that crosses there; each depends only on where it starts, so
// an image comes out the same whichever pixel asked first.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

#include "engine/deep/big_float.h"
#include "engine/deep/deep_complex.h"
#include "engine/deep/reference_orbit.h"

namespace zenphra {

struct DeepReference;

class BranchReferences {
  public:
    // A reference of the other branch, and its first value minus the value of the reference crossed
    // from (both are as close as the pixel that crossed): as doubles, and whatever its size.
    struct Crossing {
        const DeepReference* reference = nullptr;
        Cd offset;
        ComplexExp exactOffset;
    };
    // No more references than this are made for one image; pixels beyond cross where they are.
    static constexpr size_t kMostReferences = 4096;

    // What every reference of the image is made with: c in full, the precision, bail-out and limit.
    void Prepare(DeepEquation equation, const BigFloat& cRe, const BigFloat& cIm, mpfr_prec_t bits,
                 double limitValue, int64_t maxIters);
    // A reference made before the pixels, from its first value (minus the origin).
    void Add(const DeepReference& reference, const BigFloat& startRe, const BigFloat& startIm);
    // The reference of the other branch at step m of `from` (made now if no pixel needed it before), or
    // no reference when too many were made. Safe from any thread.
    Crossing Across(const DeepReference& from, int64_t m);
    size_t Bytes() const;

  private:
    // How a reference began, to work its values out again.
    struct Start {
        BigFloat re, im;
        int64_t iteration = 0;  // of the image's orbits at which it began
        int32_t firstBranch = 0;
    };
    Crossing Make(const DeepReference& from, int64_t m);

    DeepEquation equation_ = DeepEquation::kBarnsley2;
    mpfr_prec_t bits_ = 64;
    BigFloat cRe_{64}, cIm_{64};
    double limitValue_ = 0;
    int64_t maxIters_ = 0;

    mutable std::mutex mutex_;
    std::map<const DeepReference*, Start> starts_;
    std::map<std::pair<const DeepReference*, int64_t>, Crossing> made_;
    std::deque<DeepReference> references_;  // addresses stay as more are made
};

}  // namespace zenphra
