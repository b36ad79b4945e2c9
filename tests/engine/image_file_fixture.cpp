#include "tests/engine/image_file_fixture.h"

#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <fstream>
#include <iterator>

#include "engine/library_state.h"
#include "platform/bitmap_store.h"
#include "zenphra.h"

namespace zenphra::testing {
namespace {

const std::string kPngSignature = "\x89PNG\r\n\x1a\n";

uint32_t ReadBigEndian(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

void AppendBigEndian(std::string* bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes->push_back(static_cast<char>(value >> shift));
}

}  // namespace

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void WriteForeignPng(const std::filesystem::path& path, uint32_t format) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 12;
    image.height = 9;
    image.format = format;
    const std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image), 0x5A);
    ASSERT_NE(png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr), 0);
}

std::vector<PngChunk> SplitChunks(const std::string& file) {
    std::vector<PngChunk> chunks;
    for (size_t at = kPngSignature.size(); at < file.size();) {
        const uint32_t length = ReadBigEndian(file, at);
        chunks.push_back({file.substr(at + 4, 4), file.substr(at + 8, length)});
        at += 12 + length;
    }
    return chunks;
}

std::string JoinChunks(const std::vector<PngChunk>& chunks) {
    std::string file = kPngSignature;
    for (const PngChunk& chunk : chunks) {
        const std::string typed = chunk.type + chunk.data;
        AppendBigEndian(&file, static_cast<uint32_t>(chunk.data.size()));
        file += typed;
        AppendBigEndian(&file, crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size()));
    }
    return file;
}

LibrarySnapshot TakeSnapshot() {
    const LibraryState& library = Library();
    const IndexedImage& image = library.image;
    LibrarySnapshot snapshot;
    if (image.Exists())
        snapshot.pixels.assign(image.pixels.get(), image.pixels.get() + image.width * image.height);
    snapshot.width = image.width;
    snapshot.height = image.height;
    snapshot.bitmap = image.bitmap;
    platform::BitmapBits bits;
    if (platform::FindBitmap(image.bitmap, &bits))
        snapshot.bitmapBits.assign(bits.bits, bits.bits + bits.stride * bits.height);
    snapshot.present = library.imagePresent;
    snapshot.text.assign(library.text.bytes.data(), library.text.length);
    return snapshot;
}

void ImageFileTest::SetUp() {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = std::filesystem::temp_directory_path() / ("zenphra-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::create_directories(folder_);
    for (int i = 0; i < 257; ++i) {
        red_[i] = static_cast<uint8_t>(i);
        green_[i] = static_cast<uint8_t>(255 - i);
        blue_[i] = static_cast<uint8_t>(i * 7);
    }
    SetColorPointers(red_.data(), green_.data(), blue_.data());
}

void ImageFileTest::TearDown() {
    DllCleanup();
    SetColorPointers(nullptr, nullptr, nullptr);
    SetThumbnailColorPointers(nullptr, nullptr, nullptr);
    std::filesystem::remove_all(folder_);
}

void ImageFileTest::MakeMainImage(int32_t width, int32_t height) {
    LibraryState& library = Library();
    ReleaseIndexedImage(&library.image);
    ASSERT_TRUE(CreateIndexedImage(width, height, kMainDisplayWidth, kMainDisplayHeight, &library.image));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            library.image.pixels[y * width + x] = static_cast<uint8_t>(x + 7 * y);
    }
    library.imagePresent = true;
    RecolourMainImage();
}

std::filesystem::path ImageFileTest::Save(const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder_ / name;
    EXPECT_EQ(WriteFractalFile(path.c_str(), text.c_str()), 0);
    return path;
}

}  // namespace zenphra::testing
