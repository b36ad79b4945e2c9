// The libpng side of the image files. libpng reports an error by jumping back to the function that armed
// its recovery point, so every step that calls into libpng is a plain function of its own that holds no
// C++ object across the jump; each returns 0, or ZENPHRA_PNG_ERROR when libpng gave up.
#pragma once

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "zenphra.h"

namespace zenphra {

// A file is ours when its only text chunk's keyword begins with this text; what follows it is not read.
inline constexpr char kSignatureText[] = "Created with Quorvex-Talmy Fractals";
inline constexpr size_t kSignatureLength = sizeof(kSignatureText) - 1;

// The keyword we write: the signature text, a comma, five spaces and our notice (79 characters at most).
inline constexpr char kFractalKeyword[] =
    "Created with Quorvex-Talmy Fractals,     Copyright 2025 The Zenphra Authors";
static_assert(sizeof(kFractalKeyword) - 1 <= 79);

// The chunk that carries a deep image's location.
inline constexpr png_byte kLocationChunkName[5] = {ZENPHRA_LOCATION_CHUNK[0], ZENPHRA_LOCATION_CHUNK[1],
                                                   ZENPHRA_LOCATION_CHUNK[2], ZENPHRA_LOCATION_CHUNK[3],
                                                   '\0'};

// libpng's reader or writer with its info record. Errors and warnings are reported silently: the caller
// turns them into result codes. `info` is null when memory could not be had.
enum class PngDirection { kRead, kWrite };
struct PngCodec {
    explicit PngCodec(PngDirection direction);
    ~PngCodec();
    PngCodec(const PngCodec&) = delete;
    PngCodec& operator=(const PngCodec&) = delete;
    const PngDirection direction;
    png_structp png = nullptr;
    png_infop info = nullptr;
};

struct PngHeader {
    uint32_t width = 0;
    uint32_t height = 0;
    int bitDepth = 0;
    int channels = 0;
};

// The addresses of the rows of a width x height image of one byte per pixel, as libpng reads and writes
// them; null when memory could not be had.
std::unique_ptr<png_bytep[]> MakeRowTable(uint8_t* pixels, uint32_t width, uint32_t height);

// Reads the chunks up to the image data from `file`, whose first `bytesRead` signature bytes were already
// read, and reports the image's size and layout. Location chunks are kept for png_get_unknown_chunks.
int32_t ReadPngHeader(const PngCodec& reader, FILE* file, int bytesRead, PngHeader* header);

// Reads every row through the table of row addresses, then the end of the file into the same info record,
// so text chunks before and after the image data are found together.
int32_t ReadPngRows(const PngCodec& reader, png_bytepp rows);

// What one fractal image file holds: an 8-bit palette image, one text chunk, given whole
// (keyword, a zero byte, the text), and a location chunk where the location is not empty.
struct PngContent {
    uint32_t width = 0;
    uint32_t height = 0;
    const png_color* palette = nullptr;  // 256 entries
    png_bytepp rows = nullptr;
    png_const_bytep textChunk = nullptr;
    size_t textChunkLength = 0;
    png_const_bytep location = nullptr;
    size_t locationLength = 0;
};

// Writes signature, IHDR, PLTE, the text chunk as given, the location chunk, IDAT and IEND to `file`. The
// text chunk is written by hand because libpng would collapse runs of spaces in its keyword.
int32_t WritePng(const PngCodec& writer, FILE* file, const PngContent& content);

}  // namespace zenphra
