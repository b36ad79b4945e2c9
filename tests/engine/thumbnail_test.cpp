#include <png.h>

#include "engine/library_state.h"
#include "platform/bitmap_store.h"
#include "tests/engine/image_file_fixture.h"
#include "zenphra.h"

namespace zenphra::testing {
namespace {

namespace fs = std::filesystem;

class ThumbnailTest : public ImageFileTest {
  protected:
    void SetUp() override {
        ImageFileTest::SetUp();
        SetThumbnailColorPointers(thumbRed_.data(), thumbGreen_.data(), thumbBlue_.data());
    }
    std::array<uint8_t, 257> thumbRed_{}, thumbGreen_{}, thumbBlue_{};
};

TEST_F(ThumbnailTest, ThumbnailsAreShownWithin160By120) {
    struct Case {
        int32_t width, height, step, shownWidth, shownHeight;
    };
    for (const Case& c :
         {Case{640, 480, 4, 160, 120}, Case{400, 400, 4, 100, 100}, Case{160, 120, 1, 160, 120}}) {
        MakeMainImage(c.width, c.height);
        const int32_t bitmap = GetThumbnail(Save("thumb.png", "text").c_str());
        int32_t width = 0, height = 0;
        ASSERT_EQ(GetBitmapInfo(bitmap, &width, &height, nullptr, nullptr), 1) << c.width;
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.shownWidth, c.shownHeight)) << c.width;
        EXPECT_EQ(Library().thumbnail.geometry.step, c.step) << c.width;
        ASSERT_EQ(GetThumbnailSize(&width, &height), 1);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(c.width, c.height));
    }
}

TEST_F(ThumbnailTest, PreviewColoursTheThumbnailAndLeavesTheMainImageAlone) {
    MakeMainImage(400, 300);
    const fs::path saved = Save("preview.png", "previewed text");
    MakeMainImage(64, 48);
    const LibrarySnapshot main = TakeSnapshot();
    const std::array<uint8_t, 257> mainRed = red_;

    const int32_t bitmap = GetThumbnail(saved.c_str());
    ASSERT_GT(bitmap, 0);
    EXPECT_EQ(SetThumbnailColorRange(0, 116, 0x0000FF, 0xFF0000), bitmap);
    EXPECT_EQ(SetThumbnailColorRange(116, 116, 0x00FF00, 0x00FFFF), bitmap);

    platform::BitmapBits bits;
    ASSERT_TRUE(platform::FindBitmap(bitmap, &bits));
    const IndexedImage& thumbnail = Library().thumbnail;
    for (int32_t row = 0; row < bits.height; ++row) {
        for (int32_t column = 0; column < bits.width; ++column) {
            const uint8_t index = thumbnail.pixels[row * 4 * 400 + column * 4];
            const uint8_t* shown = bits.bits + row * bits.stride + 3 * column;
            ASSERT_EQ(shown[0], thumbBlue_[index]) << row << "," << column;
            ASSERT_EQ(shown[1], thumbGreen_[index]) << row << "," << column;
            ASSERT_EQ(shown[2], thumbRed_[index]) << row << "," << column;
        }
    }
    LibrarySnapshot expected = main;
    expected.text = "previewed text";
    EXPECT_EQ(TakeSnapshot(), expected);
    EXPECT_EQ(red_, mainRed);
}

TEST_F(ThumbnailTest, AFailedPreviewLeavesNoThumbnailAndColouringOnlyFillsThePalette) {
    MakeMainImage(64, 48);
    const fs::path saved = Save("preview.png", "text");
    const int32_t bitmap = GetThumbnail(saved.c_str());
    WriteBytes(folder_ / "note.png", "not a picture");
    EXPECT_EQ(GetThumbnail((folder_ / "note.png").c_str()), ZENPHRA_NOT_PNG);
    EXPECT_TRUE(Library().thumbnail.Exists());  // not even a PNG: the preview stays

    WriteForeignPng(folder_ / "foreign.png", PNG_FORMAT_GRAY);
    EXPECT_EQ(GetThumbnail((folder_ / "foreign.png").c_str()), ZENPHRA_NOT_OURS);
    EXPECT_FALSE(Library().thumbnail.Exists());
    EXPECT_EQ(GetThumbnailSize(nullptr, nullptr), 0);
    EXPECT_EQ(GetBitmapInfo(bitmap, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(SetThumbnailColorRange(0, 29, 0x0000FF, 0xFF0000), 0);
    EXPECT_EQ(thumbRed_[0], 255);
    EXPECT_EQ(thumbBlue_[28], 255);

    const int32_t again = GetThumbnail(saved.c_str());
    DllCleanup();
    EXPECT_EQ(GetBitmapInfo(again, nullptr, nullptr, nullptr, nullptr), 0);
}

}  // namespace
}  // namespace zenphra::testing
