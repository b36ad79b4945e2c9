#include "engine/image_file_writer.h"

#include <array>
#include <cstring>
#include <string>

#include "engine/image_file_png.h"
#include "engine/image_file_staging.h"
#include "zenphra.h"

namespace zenphra {
namespace {

// The text chunk's data: keyword, a zero byte, then the text without its terminating zero.
std::string TextChunk(const char* text) {
    std::string chunk(kFractalKeyword, sizeof(kFractalKeyword));
    if (text != nullptr) chunk.append(text);
    return chunk;
}

std::array<png_color, 256> PaletteColours(const Palette& palette) {
    std::array<png_color, 256> colours;
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = {palette.red[i], palette.green[i], palette.blue[i]};
    return colours;
}

}  // namespace

int32_t WriteImageFile(const char* path, const IndexedImage& image, const Palette& palette, const char* text,
                       const char* location) {
    if (!image.Exists() || !palette.Present()) return ZENPHRA_PNG_ERROR;
    if (path == nullptr) return ZENPHRA_CANNOT_OPEN;
    // A text the reader would refuse makes a file that could never be opened again.
    if (text != nullptr && std::strlen(text) > ZENPHRA_TEXT_CAPACITY) return ZENPHRA_NOT_OURS;
    const size_t locationLength = location == nullptr ? 0 : std::strlen(location);
    if (locationLength > ZENPHRA_LOCATION_CAPACITY) return ZENPHRA_NOT_OURS;
    StagedFile file(path);
    if (file.stream() == nullptr) return ZENPHRA_CANNOT_OPEN;
    const PngCodec writer(PngDirection::kWrite);
    if (writer.info == nullptr) return ZENPHRA_OUT_OF_MEMORY;
    const auto width = static_cast<uint32_t>(image.width);
    const auto height = static_cast<uint32_t>(image.height);
    const std::unique_ptr<png_bytep[]> rows = MakeRowTable(image.pixels.get(), width, height);
    if (rows == nullptr) return ZENPHRA_OUT_OF_MEMORY;

    const std::array<png_color, 256> colours = PaletteColours(palette);
    const std::string chunk = TextChunk(text);
    const PngContent content{.width = width,
                             .height = height,
                             .palette = colours.data(),
                             .rows = rows.get(),
                             .textChunk = reinterpret_cast<png_const_bytep>(chunk.data()),
                             .textChunkLength = chunk.size(),
                             .location = reinterpret_cast<png_const_bytep>(location),
                             .locationLength = locationLength};
    if (const int32_t code = WritePng(writer, file.stream(), content); code != 0) return code;
    return file.Commit();
}

}  // namespace zenphra
