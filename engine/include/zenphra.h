/* The plotting library's public interface: plotting, colour mapping and image files.
 *
 * Every export has C linkage. Integers are 32-bit, doubles are passed by address and copied during the
 * call, strings are NUL-terminated 8-bit text. A positive result is a bitmap handle (see GetBitmapInfo),
 * a negative one a code:
 *   -1 file cannot be opened, -2 read error, -3 not a PNG file, -4 out of memory, -5 PNG library error,
 *   -6 file not created by this program, -7 plot stopped with Escape (not an error).
 *
 * An image file carries a parameter text of at most ZENPHRA_TEXT_CAPACITY bytes: ReadFractalFile and
 * GetThumbnail refuse a file with a longer one (-6), so WriteFractalFile refuses to write one (-6 too).
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
    ZENPHRA_ABORTED = -7
};

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

/* Colour mapping. The three arrays hold 257 entries each and must outlive the library's use of them. */
ZENPHRA_API int32_t SetColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue);
ZENPHRA_API int32_t SetColorRange(int32_t start, int32_t count, int32_t startColor, int32_t endColor);
ZENPHRA_API int32_t SetFractalColors(void);
ZENPHRA_API int32_t RotateColorRanges(int32_t direction, int32_t count);

/* Image files and thumbnails. */
ZENPHRA_API int32_t WriteFractalFile(const char* path, const char* text);
ZENPHRA_API int32_t ReadFractalFile(const char* path);
ZENPHRA_API const char* GetFractalText(void);
ZENPHRA_API int32_t GetFractalTextLen(void);
ZENPHRA_API int32_t GetImageSize(int32_t* width, int32_t* height);
ZENPHRA_API int32_t GetThumbnail(const char* path);
/* The size of the image in the last file previewed, as GetImageSize gives the main image's: 1 and the
 * width and height in pixels while a thumbnail exists, 0 otherwise. */
ZENPHRA_API int32_t GetThumbnailSize(int32_t* width, int32_t* height);
ZENPHRA_API int32_t SetThumbnailColors(void);
ZENPHRA_API int32_t SetThumbnailColorRange(int32_t start, int32_t count, int32_t startColor, int32_t endColor);
ZENPHRA_API int32_t SetThumbnailColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue);

/* Platform services. A bitmap is 24 bits per pixel, top-down, bytes blue, green, red, rows of `stride`
 * bytes. GetBitmapInfo returns 1 and fills the four values for a live handle, 0 for a stale or unknown one. */
ZENPHRA_API int32_t GetBitmapInfo(int32_t handle, int32_t* width, int32_t* height, int32_t* stride,
                                  uint8_t** bits);
/* The poll answers non-zero when Escape is down or was pressed since the previous poll. It is asked before
 * every pixel, so it should be cheap. A null poll removes it; with none installed nothing aborts. */
ZENPHRA_API void SetAbortPoll(int32_t (*poll)(void));

#ifdef __cplusplus
}
#endif

#endif /* ZENPHRA_H */
