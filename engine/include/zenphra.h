/* The plotting library's public interface: plotting, colour mapping and image files.
 *
 * Every export has C linkage. Integers are 32-bit, doubles are passed by address and copied during the
 * call, strings are NUL-terminated 8-bit text. A positive result is a bitmap handle (see GetBitmapInfo),
 * a negative one a code:
 *   -1 file cannot be opened, -2 read error, -3 not a PNG file, -4 out of memory, -5 PNG library error,
 *   -6 file not created by this program, -7 plot stopped with Escape (not an error),
 *   -9 a deep location that is not one (see InitPlotDeep), -10 an equation without a deep form asked
 *   for a location only the deep path can draw.
 *
 * An image file carries a parameter text of at most ZENPHRA_TEXT_CAPACITY bytes: ReadFractalFile and
 * GetThumbnail refuse a file with a longer one (-6), so WriteFractalFile refuses to write one (-6 too).
 * A deep image's file may carry its location in full beside the text, in a private ancillary chunk
 * ("zdEp") that other PNG readers, and readers that look only for the text chunk, pass over: see
 * WriteFractalFileDeep.
 */
#ifndef ZENPHRA_H
#define ZENPHRA_H

#include <stdint.h>

#if defined(_WIN32)
#define ZENPHRA_API __declspec(dllexport)
#else
#define ZENPHRA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes. */
enum {
    ZENPHRA_CANNOT_OPEN = -1,
    ZENPHRA_READ_ERROR = -2,
    ZENPHRA_NOT_PNG = -3,
    ZENPHRA_OUT_OF_MEMORY = -4,
    ZENPHRA_PNG_ERROR = -5,
    ZENPHRA_NOT_OURS = -6,
    ZENPHRA_ABORTED = -7,
    ZENPHRA_BAD_LOCATION = -9,
    ZENPHRA_NO_DEEP_FORM = -10
};

/* Equation codes (EqnType). In Julia mode the offset is added to the code: 124 is the Julia set of
 * "Lambda". */
enum {
    ZENPHRA_EQN_CLASSIC_MANDLEBROT = 0,
    ZENPHRA_EQN_POKORNY = 1,
    ZENPHRA_EQN_SPIRAL_SYMMETRY_2 = 7,
    ZENPHRA_EQN_LAMBDA = 24,
    ZENPHRA_EQN_BARNSLEY_2 = 28,
    ZENPHRA_EQN_CHEBYSHEV = 29,
    ZENPHRA_JULIA_OFFSET = 100
};

/* Rendering codes (Rendering). */
enum {
    ZENPHRA_REND_RINGS = 0,
    ZENPHRA_REND_SPHERES = 1,
    ZENPHRA_REND_SQUARES = 4,
    ZENPHRA_REND_ATAN = 8,
    ZENPHRA_REND_PETALS = 9,
    ZENPHRA_REND_STALKS = 11,
    ZENPHRA_REND_ANGLE_FUNCTION_1 = 12,
    ZENPHRA_REND_LEVEL_SET = 14,
    ZENPHRA_REND_CONES = 18
};

/* The palette: the three arrays hold ZENPHRA_PALETTE_ENTRIES entries each. An image holds one index per
 * pixel: 0 to 231 the colour ranges, then the fixed entries below. */
enum {
    ZENPHRA_RANGE_ENTRIES = 232,
    ZENPHRA_MAX_ITER_ENTRY = 232,
    ZENPHRA_BACKGROUND_ENTRY = 233,
    ZENPHRA_NOT_PLOTTED_ENTRY = 234,
    ZENPHRA_PALETTE_ENTRIES = 257
};

/* The display bitmap. A plotted or loaded image is shown reduced within 512 x 384 pixels, a thumbnail
 * within 160 x 120: every step-th row and column of the image, step the smallest power of two that brings
 * both sides within the limits. The shown width is then trimmed until a bitmap row (3 bytes a pixel,
 * padded to whole 32-bit words) is a multiple of step bytes, where some width allows it; each shown side
 * is at least 1. The program sizes its picture by the same rule, so the two always agree. */
enum {
    ZENPHRA_DISPLAY_MAX_WIDTH = 512,
    ZENPHRA_DISPLAY_MAX_HEIGHT = 384,
    ZENPHRA_THUMBNAIL_MAX_WIDTH = 160,
    ZENPHRA_THUMBNAIL_MAX_HEIGHT = 120
};

typedef struct ZenphraDisplaySize {
    int32_t step;   /* image pixels per shown pixel, each way */
    int32_t width;  /* shown columns */
    int32_t height; /* shown rows */
    int32_t stride; /* bytes per bitmap row */
} ZenphraDisplaySize;

static inline int32_t ZenphraBitmapStride(int32_t width) { return (3 * width + 3) & ~3; }

/* The shown size of an image of width x height pixels (both at least 1) within the limits. */
static inline ZenphraDisplaySize ZenphraShownSize(int32_t width, int32_t height, int32_t maxWidth,
                                                  int32_t maxHeight) {
    ZenphraDisplaySize size;
    int32_t trimmed;
    size.step = 1;
    size.width = width;
    size.height = height;
    while (size.width > maxWidth || size.height > maxHeight) {
        size.step *= 2;
        size.width = width / size.step;
        size.height = height / size.step;
    }
    /* An image far wider than high (or the reverse) would otherwise be shown with no rows (or columns). */
    if (size.width < 1) size.width = 1;
    if (size.height < 1) size.height = 1;
    trimmed = size.width;
    while (trimmed >= 1 && ZenphraBitmapStride(trimmed) % size.step != 0) --trimmed;
    if (trimmed >= 1) size.width = trimmed;
    size.stride = ZenphraBitmapStride(size.width);
    return size;
}

#define ZENPHRA_TEXT_CAPACITY 1024

/* Plotting. */
ZENPHRA_API int32_t InitPlot(int32_t NewImage, int32_t EqnType, int32_t HorRes, int32_t VertRes,
                             int32_t MaxIters, int32_t ItersToSkip, int32_t NumRanges, int32_t Rendering,
                             const double* LimitValue, const double* JuliaReal, const double* JuliaImag,
                             const double* Parm1, const double* Parm2, const double* Parm3, int32_t Func1,
                             int32_t Func2, const double* PrevRealCenter, const double* PrevImagCenter,
                             const double* TotalMagnify, const double* TotalAngleDeg, int32_t ImageFactor,
                             int32_t Banding);
ZENPHRA_API int32_t PlotFractal(int32_t StartY);
ZENPHRA_API int32_t PlotJulia(int32_t EqnType, const double* JuliaReal, const double* JuliaImag);
ZENPHRA_API void DllCleanup(void);
ZENPHRA_API void StringToDouble(const char* text, double* result);

/* Deep zoom.
 *
 * InitPlotDeep takes the same arguments as InitPlot, but the centre (real and imaginary part) and the
 * magnification as decimal text of any length: blanks, an optional sign, digits with an optional point
 * and fraction, an optional exponent ("-1.25", "6.75e49", "1e10000"), at most
 * ZENPHRA_DEEP_TEXT_LIMIT characters each; the magnification lies between 1e-300 and
 * 1e(ZENPHRA_DEEP_MAX_POWER). The text never passes through a double.
 *
 * The library chooses how to draw the image. While the pixel step (3.6 / magnification / HorRes) is at
 * least 2^-ZENPHRA_DOUBLE_RESOLUTION_BITS times the larger of 1 and the centre's parts, doubles resolve
 * the pixels: the image is exactly the one InitPlot gives for the texts read by StringToDouble, byte for
 * byte. Below that, the deep path draws it: one reference orbit, worked out in arbitrary precision at
 * about log2(magnification x HorRes) + 64 bits, and every pixel as its exact difference from that
 * orbit, for every equation in set and Julia form (the Julia constant stays a double), every rendering,
 * skip count, bail-out and banding, at any depth; "Pokorny" only with a bail-out below 1e40, with a
 * larger one the result is ZENPHRA_NO_DEEP_FORM.
 *
 * Results: as InitPlot's, or ZENPHRA_BAD_LOCATION or ZENPHRA_NO_DEEP_FORM; with either of those the
 * library changes nothing. Rows are then asked for with PlotFractal as always. The reference orbit and
 * its approximation table are made during the first PlotFractal of the image, which polls Escape while
 * it works (-7 then, and nothing is kept, as for a row); a plot resumed with NewImage = 0 and the same
 * location and parameters keeps them, so it gives the pixels of an uninterrupted plot. */
enum { ZENPHRA_DEEP_TEXT_LIMIT = 24000, ZENPHRA_DEEP_MAX_POWER = 20000, ZENPHRA_DOUBLE_RESOLUTION_BITS = 45 };

ZENPHRA_API int32_t InitPlotDeep(int32_t NewImage, int32_t EqnType, int32_t HorRes, int32_t VertRes,
                                 int32_t MaxIters, int32_t ItersToSkip, int32_t NumRanges, int32_t Rendering,
                                 const double* LimitValue, const double* JuliaReal, const double* JuliaImag,
                                 const double* Parm1, const double* Parm2, const double* Parm3, int32_t Func1,
                                 int32_t Func2, const char* RealCenter, const char* ImagCenter,
                                 const char* Magnify, const double* TotalAngleDeg, int32_t ImageFactor,
                                 int32_t Banding);

/* How the image of the last InitPlot or InitPlotDeep is drawn, and how far the making of a deep image
 * has come. May be called at any time, from any thread, also while PlotFractal runs. */
enum {
    ZENPHRA_PHASE_NONE = 0,      /* nothing to make: the double engine, or rows only */
    ZENPHRA_PHASE_REFERENCE = 1, /* the reference orbit: done and total are iterations */
    ZENPHRA_PHASE_TABLE = 2,     /* the approximation table: done and total are its entries */
    ZENPHRA_PHASE_ROWS = 3       /* made: rows are plotted */
};
typedef struct ZenphraPlotPath {
    int32_t deep;          /* 1 when the deep path draws the image */
    int32_t precisionBits; /* of its reference orbit; 0 on the double path */
    int32_t phase;         /* ZENPHRA_PHASE_... */
    int32_t extendedRange; /* 1 when values below a double's range are kept with exponents of their own */
    int64_t done, total;   /* of the phase */
    int64_t referenceIterations; /* the length of the reference orbit, once made */
    int64_t bytes;               /* held by the orbits and tables */
} ZenphraPlotPath;
ZENPHRA_API int32_t GetPlotPath(ZenphraPlotPath* path);

/* How many pixels of the main image's rows 0 to rows - 1 hold the palette index (0 to 255), such as
 * ZENPHRA_MAX_ITER_ENTRY; -1 without an image or for arguments out of range. Not while PlotFractal runs. */
ZENPHRA_API int32_t CountImageIndex(int32_t index, int32_t rows);

/* Colour mapping. The three arrays hold 257 entries each and must outlive the library's use of them. */
ZENPHRA_API int32_t SetColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue);
ZENPHRA_API int32_t SetColorRange(int32_t start, int32_t count, int32_t startColor, int32_t endColor);
ZENPHRA_API int32_t SetFractalColors(void);
ZENPHRA_API int32_t RotateColorRanges(int32_t direction, int32_t count);

/* Image files and thumbnails. */
ZENPHRA_API int32_t WriteFractalFile(const char* path, const char* text);
/* As WriteFractalFile, with `location` (at most ZENPHRA_LOCATION_CAPACITY bytes; null or empty writes none)
 * in the location chunk. The library keeps the location as it keeps the text, without reading it:
 * ReadFractalFile and GetThumbnail copy the location of an accepted file (none: length 0) for
 * GetFractalLocation and GetFractalLocationLen, and refuse (-6) a file with more than one location chunk
 * or a longer location; WriteFractalFileDeep refuses (-6) to write a longer one. */
#define ZENPHRA_LOCATION_CAPACITY 73728
#define ZENPHRA_LOCATION_CHUNK "zdEp" /* the location chunk's type: ancillary, private, safe to copy */
ZENPHRA_API int32_t WriteFractalFileDeep(const char* path, const char* text, const char* location);
ZENPHRA_API const char* GetFractalLocation(void);
ZENPHRA_API int32_t GetFractalLocationLen(void);
ZENPHRA_API int32_t ReadFractalFile(const char* path);
ZENPHRA_API const char* GetFractalText(void);
ZENPHRA_API int32_t GetFractalTextLen(void);
ZENPHRA_API int32_t GetImageSize(int32_t* width, int32_t* height);
ZENPHRA_API int32_t GetThumbnail(const char* path);
/* The size of the image in the last file previewed, as GetImageSize gives the main image's: 1 and the
 * width and height in pixels while a thumbnail exists, 0 otherwise. */
ZENPHRA_API int32_t GetThumbnailSize(int32_t* width, int32_t* height);
ZENPHRA_API int32_t SetThumbnailColors(void);
ZENPHRA_API int32_t SetThumbnailColorRange(int32_t start, int32_t count, int32_t startColor,
                                           int32_t endColor);
ZENPHRA_API int32_t SetThumbnailColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue);

/* Platform services. A bitmap is 24 bits per pixel, top-down, bytes blue, green, red, rows of `stride`
 * bytes. GetBitmapInfo returns 1 and fills the four values for a live handle, 0 for a stale or unknown one.
 */
ZENPHRA_API int32_t GetBitmapInfo(int32_t handle, int32_t* width, int32_t* height, int32_t* stride,
                                  uint8_t** bits);
/* The poll answers non-zero when Escape is down or was pressed since the previous poll. It is asked before
 * every pixel, so it should be cheap. A null poll removes it; with none installed nothing aborts. */
ZENPHRA_API void SetAbortPoll(int32_t (*poll)(void));

#ifdef __cplusplus
}
#endif

#endif /* ZENPHRA_H */
