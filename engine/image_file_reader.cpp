#include "engine/image_file_reader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

#include "engine/image_file_png.h"
#include "zenphra.h"

namespace zenphra {
namespace {

// The reader checks the first bytes of the signature itself, to tell a short file from a foreign one.
constexpr int kHeadBytes = 4;

struct CloseFile {
    void operator()(FILE* file) const { std::fclose(file); }
};

// An image being read: released unless it was handed over.
struct CandidateImage {
    IndexedImage image;
    ~CandidateImage() { ReleaseIndexedImage(&image); }
};

// The text of the file's only text chunk, when that chunk carries our signature and fits the text buffer.
// A longer text is refused rather than cut, since a cut text could still be read as parameters.
bool FindFractalText(const PngCodec& reader, FractalText* text) {
    png_textp entries = nullptr;
    if (png_get_text(reader.png, reader.info, &entries, nullptr) != 1) return false;
    const png_text& entry = entries[0];
    if (std::strncmp(entry.key, kSignatureText, kSignatureLength) != 0) return false;
    const bool international = entry.compression >= PNG_ITXT_COMPRESSION_NONE;
    const size_t length = international ? entry.itxt_length : entry.text_length;
    if (length > text->bytes.size()) return false;
    if (length > 0) std::memcpy(text->bytes.data(), entry.text, length);
    text->length = static_cast<int32_t>(length);
    return true;
}

// The file's location, when it has one location chunk and no more, of at most ZENPHRA_LOCATION_CAPACITY
// bytes.
bool FindLocation(const PngCodec& reader, std::string* location) {
    png_unknown_chunkp chunks = nullptr;
    const int count = png_get_unknown_chunks(reader.png, reader.info, &chunks);
    const png_unknown_chunk* found = nullptr;
    for (int i = 0; i < count; ++i) {
        if (std::memcmp(chunks[i].name, kLocationChunkName, 4) != 0) continue;
        if (found != nullptr) return false;
        found = &chunks[i];
    }
    if (found == nullptr) return true;
    if (found->size > ZENPHRA_LOCATION_CAPACITY) return false;
    location->assign(reinterpret_cast<const char*>(found->data), found->size);
    return true;
}

}  // namespace

int32_t ReadImageFile(const char* path, int32_t maxDisplayWidth, int32_t maxDisplayHeight,
                      LoadedImageFile* out) {
    if (path == nullptr) return ZENPHRA_CANNOT_OPEN;
    const std::unique_ptr<FILE, CloseFile> file(std::fopen(path, "rb"));
    if (file == nullptr) return ZENPHRA_CANNOT_OPEN;
    png_byte head[kHeadBytes];
    if (std::fread(head, 1, kHeadBytes, file.get()) < kHeadBytes) return ZENPHRA_READ_ERROR;
    if (png_sig_cmp(head, 0, kHeadBytes) != 0) return ZENPHRA_NOT_PNG;

    const PngCodec reader(PngDirection::kRead);
    if (reader.info == nullptr) return ZENPHRA_OUT_OF_MEMORY;
    PngHeader header;
    if (const int32_t code = ReadPngHeader(reader, file.get(), kHeadBytes, &header); code != 0) return code;
    if (header.bitDepth != 8 || header.channels != 1) return ZENPHRA_NOT_OURS;

    // libpng keeps both sides below 2^31; an image above the pixel cap is refused before anything is
    // allocated for it.
    CandidateImage candidate;
    if (!CreateIndexedImage(static_cast<int32_t>(header.width), static_cast<int32_t>(header.height),
                            maxDisplayWidth, maxDisplayHeight, &candidate.image)) {
        return ZENPHRA_OUT_OF_MEMORY;
    }
    const std::unique_ptr<png_bytep[]> rows =
        MakeRowTable(candidate.image.pixels.get(), header.width, header.height);
    if (rows == nullptr) return ZENPHRA_OUT_OF_MEMORY;
    if (const int32_t code = ReadPngRows(reader, rows.get()); code != 0) return code;

    FractalText text;
    if (!FindFractalText(reader, &text)) return ZENPHRA_NOT_OURS;
    std::string location;
    if (!FindLocation(reader, &location)) return ZENPHRA_NOT_OURS;
    out->text = text;
    out->location = std::move(location);
    out->image = std::exchange(candidate.image, IndexedImage{});
    return 0;
}

}  // namespace zenphra
