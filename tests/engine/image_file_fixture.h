// What the image file and thumbnail tests share: a scratch folder, a main image with a known pattern and
// palette, raw PNG chunk editing, and a record of everything a failed read must leave alone.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zenphra::testing {

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Writes a small PNG as another program would: no text chunk, in the given libpng PNG_FORMAT_*.
void WriteForeignPng(const std::filesystem::path& path, uint32_t format);

// A PNG file as its chunks; Join recomputes every CRC.
struct PngChunk {
    std::string type;
    std::string data;
};
std::vector<PngChunk> SplitChunks(const std::string& file);
std::string JoinChunks(const std::vector<PngChunk>& chunks);

// The main image's pixels, size, bitmap (handle and bits) and presence, and the text buffer.
struct LibrarySnapshot {
    std::vector<uint8_t> pixels;
    int32_t width = 0, height = 0, bitmap = 0;
    std::vector<uint8_t> bitmapBits;
    bool present = false;
    std::string text;
    bool operator==(const LibrarySnapshot&) const = default;
};
LibrarySnapshot TakeSnapshot();

class ImageFileTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a width x height main image whose index at (x, y) is (x + 7 y) mod 256, coloured.
    void MakeMainImage(int32_t width, int32_t height);
    // Writes the main image with `text` into the scratch folder and returns the path.
    std::filesystem::path Save(const std::string& name, const std::string& text);

    std::filesystem::path folder_;
    std::array<uint8_t, 257> red_{}, green_{}, blue_{};
};

}  // namespace zenphra::testing
