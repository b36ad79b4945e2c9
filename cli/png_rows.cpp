#include "cli/png_rows.h"

#include <QFile>
#include <csetjmp>
#include <cstring>

#include "zenphra.h"

namespace zenphra::cli {
namespace {

// libpng would print to standard error; the callers only need to know that it gave up.
[[noreturn]] void StopAtError(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

constexpr png_byte kTextChunkName[5] = {'t', 'E', 'X', 't', '\0'};
// The chunk in which the library keeps a deep image's location.
constexpr png_byte kLocationChunkName[5] = {ZENPHRA_LOCATION_CHUNK[0], ZENPHRA_LOCATION_CHUNK[1],
                                            ZENPHRA_LOCATION_CHUNK[2], ZENPHRA_LOCATION_CHUNK[3], '\0'};

struct Header {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int interlace = 0;
    png_textp texts = nullptr;
    int textCount = 0;
    png_unknown_chunkp unknowns = nullptr;
    int unknownCount = 0;
};

bool ReadHeader(png_structp png, png_infop info, std::FILE* file, Header* header) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    png_set_benign_errors(png, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, kLocationChunkName, 1);
    png_read_info(png, info);
    png_get_IHDR(png, info, &header->width, &header->height, &header->bitDepth, &header->colorType,
                 &header->interlace, nullptr, nullptr);
    png_get_text(png, info, &header->texts, &header->textCount);
    header->unknownCount = png_get_unknown_chunks(png, info, &header->unknowns);
    return true;
}

bool ReadOneRow(png_structp png, png_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_row(png, row, nullptr);
    return true;
}

bool WriteHeader(png_structp png, png_infop info, std::FILE* file, png_uint_32 width, png_uint_32 height,
                 const png_color* palette, png_const_bytep chunk, size_t chunkLength) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file);
    // The file is read back once and removed: speed counts, not size.
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette, 256);
    png_write_info(png, info);
    // Written whole, as the library writes it: libpng would collapse the runs of blanks in a keyword.
    png_write_chunk(png, kTextChunkName, chunk, chunkLength);
    return true;
}

bool WriteOneRow(png_structp png, png_const_bytep row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_row(png, row);
    return true;
}

bool WriteEnd(png_structp png) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

PngRowReader::PngRowReader(const QString& path) {
    file_ = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (file_ == nullptr) return;
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopAtError, IgnoreWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (info_ == nullptr) return;
    Header header;
    if (!ReadHeader(png_, info_, file_, &header)) return;
    ok_ = header.bitDepth == 8 && header.colorType == PNG_COLOR_TYPE_PALETTE &&
          header.interlace == PNG_INTERLACE_NONE && header.width <= INT32_MAX && header.height <= INT32_MAX;
    width_ = static_cast<int32_t>(header.width);
    height_ = static_cast<int32_t>(header.height);
    if (header.textCount > 0) {
        keyword_ = QByteArray(header.texts[0].key);
        text_ = QByteArray(header.texts[0].text, static_cast<qsizetype>(header.texts[0].text_length));
    }
    for (int i = 0; i < header.unknownCount; ++i) {
        const png_unknown_chunk& chunk = header.unknowns[i];
        if (std::memcmp(chunk.name, kLocationChunkName, 4) != 0) continue;
        location_ = QByteArray(reinterpret_cast<const char*>(chunk.data), static_cast<qsizetype>(chunk.size));
        break;
    }
}

PngRowReader::~PngRowReader() {
    if (png_ != nullptr) png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
    if (file_ != nullptr) std::fclose(file_);
}

bool PngRowReader::ReadRow(uint8_t* row) {
    ok_ = ok_ && ReadOneRow(png_, row);
    return ok_;
}

PngRowWriter::PngRowWriter(std::FILE* file, int32_t width, int32_t height, const PngPalette& palette,
                           const QByteArray& keyword, const QByteArray& text) {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, StopAtError, IgnoreWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (info_ == nullptr) return;
    const QByteArray chunk = keyword + '\0' + text;
    ok_ = WriteHeader(png_, info_, file, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                      palette.data(), reinterpret_cast<png_const_bytep>(chunk.constData()),
                      static_cast<size_t>(chunk.size()));
}

PngRowWriter::~PngRowWriter() {
    if (png_ != nullptr) png_destroy_write_struct(&png_, info_ != nullptr ? &info_ : nullptr);
}

bool PngRowWriter::WriteRow(const uint8_t* row) {
    ok_ = ok_ && WriteOneRow(png_, row);
    return ok_;
}

bool PngRowWriter::Finish() {
    ok_ = ok_ && WriteEnd(png_);
    return ok_;
}

}  // namespace zenphra::cli
