// Image files row by row, for joining strips without holding a poster in memory more than once: a reader
// that hands out the palette index rows of an image file with the parameter text found before its image
// data, and a writer of an 8-bit palette file that the library reads back as one of its own. libpng
// reports an error by jumping back to where it was armed, so each call into it lives in a plain function
// that holds no C++ object across the jump.
#pragma once

#include <png.h>

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdio>

namespace zenphra::cli {

class PngRowReader {
  public:
    // Opens the file and reads up to its image data. Only 8-bit palette images without interlacing are
    // taken, as the library writes them: for any other file, or one cut short before its image data,
    // ok() is false.
    explicit PngRowReader(const QString& path);
    ~PngRowReader();
    PngRowReader(const PngRowReader&) = delete;
    PngRowReader& operator=(const PngRowReader&) = delete;

    bool ok() const { return ok_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The keyword and the text of the first text chunk before the image data; empty without one.
    const QByteArray& keyword() const { return keyword_; }
    const QByteArray& text() const { return text_; }
    // The location of a deep image, from the first location chunk before the image data; empty without one.
    const QByteArray& location() const { return location_; }

    // Reads the next row's width() palette indices into `row`; false when the file is damaged or short.
    bool ReadRow(uint8_t* row);

  private:
    std::FILE* file_ = nullptr;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    bool ok_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    QByteArray keyword_;
    QByteArray text_;
    QByteArray location_;
};

// The 256 colours of an 8-bit palette.
using PngPalette = std::array<png_color, 256>;

class PngRowWriter {
  public:
    // Starts an image of width x height palette indices in the open file: its header, the palette and
    // one text chunk under `keyword`, written quickly rather than small. ok() is false when libpng
    // refused.
    PngRowWriter(std::FILE* file, int32_t width, int32_t height, const PngPalette& palette,
                 const QByteArray& keyword, const QByteArray& text);
    ~PngRowWriter();
    PngRowWriter(const PngRowWriter&) = delete;
    PngRowWriter& operator=(const PngRowWriter&) = delete;

    bool ok() const { return ok_; }
    // Writes the next row of width palette indices; false once anything failed.
    bool WriteRow(const uint8_t* row);
    // Ends the image after its last row; false when anything failed. The caller closes the file.
    bool Finish();

  private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    bool ok_ = false;
};

}  // namespace zenphra::cli
