#include "engine/image_file_png.h"

#include <csetjmp>
#include <new>

#include "zenphra.h"

namespace zenphra {
namespace {

// libpng would print to standard error; we only need to get back to the recovery point.
[[noreturn]] void StopAtError(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp /*png*/, png_const_charp /*message*/) {}

constexpr png_byte kTextChunkName[5] = {'t', 'E', 'X', 't', '\0'};

}  // namespace

PngCodec::PngCodec(PngDirection direction) : direction(direction) {
    png = direction == PngDirection::kRead
              ? png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopAtError, IgnoreWarning)
              : png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, StopAtError, IgnoreWarning);
    if (png != nullptr) info = png_create_info_struct(png);
}

PngCodec::~PngCodec() {
    if (png == nullptr) return;
    if (direction == PngDirection::kRead) {
        png_destroy_read_struct(&png, &info, nullptr);
    } else {
        png_destroy_write_struct(&png, &info);
    }
}

std::unique_ptr<png_bytep[]> MakeRowTable(uint8_t* pixels, uint32_t width, uint32_t height) {
    std::unique_ptr<png_bytep[]> rows(new (std::nothrow) png_bytep[height]);
    if (rows == nullptr) return nullptr;
    for (uint32_t row = 0; row < height; ++row) rows[row] = pixels + size_t{row} * width;
    return rows;
}

int32_t ReadPngHeader(const PngCodec& reader, FILE* file, int bytesRead, PngHeader* header) {
    if (setjmp(png_jmpbuf(reader.png))) return ZENPHRA_PNG_ERROR;
    png_init_io(reader.png, file);
    // libpng lets "benign" errors pass as warnings, among them a chunk larger than its own size limit,
    // which it would then try to allocate; a file with any such fault is refused as damaged.
    png_set_benign_errors(reader.png, 0);
    png_set_sig_bytes(reader.png, bytesRead);
    png_set_keep_unknown_chunks(reader.png, PNG_HANDLE_CHUNK_ALWAYS, kLocationChunkName, 1);
#ifdef ZENPHRA_IGNORE_PNG_CHECKSUMS
    png_set_crc_action(reader.png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_option(reader.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    png_read_info(reader.png, reader.info);
    // Interlaced files are read whole, their passes combined into the plain rows.
    png_set_interlace_handling(reader.png);
    png_read_update_info(reader.png, reader.info);
    header->width = png_get_image_width(reader.png, reader.info);
    header->height = png_get_image_height(reader.png, reader.info);
    header->bitDepth = png_get_bit_depth(reader.png, reader.info);
    header->channels = png_get_channels(reader.png, reader.info);
    return 0;
}

int32_t ReadPngRows(const PngCodec& reader, png_bytepp rows) {
    if (setjmp(png_jmpbuf(reader.png))) return ZENPHRA_PNG_ERROR;
    png_read_image(reader.png, rows);
    png_read_end(reader.png, reader.info);
    return 0;
}

int32_t WritePng(const PngCodec& writer, FILE* file, const PngContent& content) {
    if (setjmp(png_jmpbuf(writer.png))) return ZENPHRA_PNG_ERROR;
    png_init_io(writer.png, file);
    png_set_IHDR(writer.png, writer.info, content.width, content.height, 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(writer.png, writer.info, content.palette, 256);
    png_write_info(writer.png, writer.info);
    png_write_chunk(writer.png, kTextChunkName, content.textChunk, content.textChunkLength);
    if (content.locationLength > 0) {
        png_write_chunk(writer.png, kLocationChunkName, content.location, content.locationLength);
    }
    png_write_image(writer.png, content.rows);
    png_write_end(writer.png, nullptr);
    return 0;
}

}  // namespace zenphra
