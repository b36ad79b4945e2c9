// The library's deep-zoom state: whether the current plot is drawn by the deep path, where it lies, and
// the references and tables made for it, kept while a resumed plot asks for the same image.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/deep/deep_image.h"
#include "engine/deep/deep_location.h"
#include "engine/library_state.h"

namespace zenphra {

// Everything a DeepImage depends on. Two plots with equal keys share their references and tables.
struct DeepKey {
    std::string centreRe, centreIm, magnify;
    int32_t equation = 0;
    bool juliaMode = false;
    double juliaReal = 0, juliaImag = 0, limitValue = 0, angleDegrees = 0;
    int32_t maxIters = 0, width = 0, height = 0, chebyshevOrder = 0;
    bool approximation = true;

    static DeepKey Of(const char* centreRe, const char* centreIm, const char* magnify,
                      const PlotParams& params);
    bool operator==(const DeepKey& other) const;
};

struct DeepState {
    bool active = false;  // the current plot is drawn by the deep path
    DeepKey key;          // of the current plot
    DeepLocation location;
    DeepKey madeFor;  // of `image`
    std::shared_ptr<const DeepImage> image;
};

DeepState& LibraryDeepState();

// What GetPlotPath reports besides the progress of the phases.
struct DeepStatus {
    std::atomic<int32_t> deep{0}, precisionBits{0}, extendedRange{0};
    std::atomic<int64_t> referenceIterations{0}, bytes{0};
};
DeepStatus& CurrentDeepStatus();

// Makes the current deep plot's image if it has none yet, polling Escape. Returns 0, or -7 when Escape
// came (nothing is kept), or -4 when the memory could not be had.
int32_t PrepareDeepImage(PlotParams* params);

// Forgets the deep plot: the next plot is drawn by the double engine. The image made stays for a later
// plot of the same key.
void EndDeepPlot();

// Releases everything.
void ReleaseDeepState();

}  // namespace zenphra
