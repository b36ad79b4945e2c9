// The library's single state: the parameters of the image being plotted, the main image, the palette
// the program lent us, and the Julia preview's bitmap. All exports run on the caller's thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/indexed_image.h"
#include "engine/plane_mapping.h"
#include "zenphra.h"

namespace zenphra {

struct DeepImage;

struct PlotParams {
    int32_t equation = 0;  // without the Julia offset of 100
    bool juliaMode = false;
    int32_t width = 0;  // as stated by the caller; the buffer keeps its own size
    int32_t height = 0;
    int32_t maxIters = 0;
    int32_t itersToSkip = 0;
    int32_t numRanges = 2;  // always 2, 4 or 8
    int32_t rendering = 0;
    double limitValue = 0;
    double juliaReal = 0, juliaImag = 0;
    double parm1 = 0, parm2 = 0, parm3 = 0;
    int32_t func1 = 0, func2 = 0;  // always 0 to 24
    bool banding = false;
    double angleDegrees = 0;
    PlaneMapping mapping;
    // Set while the deep path draws the image: its references and tables, shared by every worker.
    std::shared_ptr<const DeepImage> deep;
};

// The parameter text of the last image file or thumbnail accepted: exactly the stored bytes, with no
// terminating zero.
inline constexpr int32_t kFractalTextCapacity = ZENPHRA_TEXT_CAPACITY;
struct FractalText {
    std::array<char, kFractalTextCapacity> bytes{};
    int32_t length = 0;
};

struct LibraryState {
    bool imagePresent = false;  // set by every InitPlot and by a file read; cleared when the image goes
    PlotParams plot;
    IndexedImage image;
    Palette palette;
    int32_t previewBitmap = 0;  // the Julia preview's 120 x 90 bitmap, made on first use
    IndexedImage thumbnail;     // the image browser's preview of a file, independent of the main image
    Palette thumbnailPalette;   // the browser's own palette arrays
    FractalText text;           // shared by the main image and the thumbnail
    std::string location;       // the location chunk of the same file, empty when it had none

    // What the main image's display bitmap was last fully coloured for: the bitmap and the palette then.
    // While both still hold, a plotted row needs only its own displayed row redrawn.
    int32_t colouredBitmap = 0;
    std::array<uint8_t, 3 * 256> colouredPalette{};
};

LibraryState& Library();

// Redraws the main image's display bitmap through the palette. Returns the bitmap handle, or 0 when no
// image is present.
int32_t RecolourMainImage();

// The same, after only buffer row `row` changed: the bytes are those of RecolourMainImage, but only the
// displayed row that samples `row` is redrawn while the palette is the one the bitmap was coloured with.
int32_t RecolourMainImageRow(int32_t row);

// Makes the next re-colouring a full one, for example after rows changed without one.
void ForgetColouredBitmap();

}  // namespace zenphra

namespace zenphra {

// The Escape poll may let the program handle its events while a row is being plotted; any call into the
// library made from there is refused, so the state the row depends on cannot change under it.
class ExclusiveCall {
  public:
    ExclusiveCall() : entered_(!busy_) { busy_ = true; }
    ~ExclusiveCall() {
        if (entered_) busy_ = false;
    }
    ExclusiveCall(const ExclusiveCall&) = delete;
    ExclusiveCall& operator=(const ExclusiveCall&) = delete;

    bool Refused() const { return !entered_; }

  private:
    bool entered_;
    static inline bool busy_ = false;
};

}  // namespace zenphra
