#include <png.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdio>
#include <functional>

#include "engine/library_state.h"
#include "tests/engine/image_file_fixture.h"
#include "zenphra.h"

namespace zenphra::testing {
namespace {

namespace fs = std::filesystem;

const std::string kKeyword = "Created with Quorvex-Talmy Fractals,     Copyright 2025 The Zenphra Authors";
const std::string kText = "0\n640\n480\n100\n0\n8\n0\n4.000000\n-0.750000\n0.100000\n";

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    while (const size_t read = std::fread(buffer, 1, sizeof(buffer), pipe)) output.append(buffer, read);
    pclose(pipe);
    return output;
}

std::vector<std::string> ChunkTypes(const std::vector<PngChunk>& chunks) {
    std::vector<std::string> types;
    for (const PngChunk& chunk : chunks) types.push_back(chunk.type);
    return types;
}

PngChunk& FindChunk(std::vector<PngChunk>& chunks, const std::string& type) {
    return *std::find_if(chunks.begin(), chunks.end(),
                         [&](const PngChunk& chunk) { return chunk.type == type; });
}

// The saved file with one change made to its chunks.
std::string Edited(const fs::path& saved, const std::function<void(std::vector<PngChunk>&)>& edit) {
    std::vector<PngChunk> chunks = SplitChunks(ReadBytes(saved));
    edit(chunks);
    return JoinChunks(chunks);
}

void SetText(std::vector<PngChunk>& chunks, const std::string& keyword, const std::string& text) {
    FindChunk(chunks, "tEXt").data = keyword + '\0' + text;
}

void SetSize(std::vector<PngChunk>& chunks, uint32_t width, uint32_t height) {
    std::string& header = FindChunk(chunks, "IHDR").data;
    for (int i = 0; i < 4; ++i) {
        header[i] = static_cast<char>(width >> (24 - 8 * i));
        header[4 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
}

// Makes the process's writes fail beyond `bytes`, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    sighandler_t previousHandler_ = nullptr;
};

TEST_F(ImageFileTest, WrittenFileHoldsExactlyTheImageThePaletteAndOneTextChunk) {
    MakeMainImage(40, 30);
    const fs::path saved = Save("layout.png", kText);
    const std::vector<PngChunk> chunks = SplitChunks(ReadBytes(saved));
    ASSERT_EQ(ChunkTypes(chunks), (std::vector<std::string>{"IHDR", "PLTE", "tEXt", "IDAT", "IEND"}));
    EXPECT_EQ(chunks[0].data, std::string("\0\0\0\x28\0\0\0\x1e\x08\x03\0\0\0", 13));
    ASSERT_EQ(chunks[1].data.size(), 768u);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(chunks[1].data.substr(3 * i, 3),
                  std::string({char(red_[i]), char(green_[i]), char(blue_[i])}));
    }
    EXPECT_EQ(chunks[2].data, kKeyword + '\0' + kText);

    // pngcheck objects to nothing but the keyword's run of spaces, which the format of these files needs;
    // with that run closed up it finds the whole file sound and shows every chunk.
    const std::string verdict = RunCommand("pngcheck -v " + saved.string());
    const std::string complaint =
        "length " + std::to_string(chunks[2].data.size()) + ":   keyword has consecutive";
    EXPECT_NE(verdict.find("chunk tEXt at offset 0x00331, " + complaint), std::string::npos) << verdict;
    const fs::path closedUp = folder_ / "closed-up.png";
    WriteBytes(closedUp, Edited(saved, [](auto& edited) { SetText(edited, "Created with", kText); }));
    const std::string sound = RunCommand("pngcheck -v " + closedUp.string());
    for (const char* line : {"40 x 30 image, 8-bit palette, non-interlaced", "256 palette entries",
                             "keyword: Created with", "chunk IDAT", "chunk IEND", "No errors detected"}) {
        EXPECT_NE(sound.find(line), std::string::npos) << line << "\n" << sound;
    }
}

TEST_F(ImageFileTest, AnotherReaderShowsTheColoursOfSavingTime) {
    MakeMainImage(40, 30);
    const fs::path saved = Save("colours.png", kText);
    const std::array<uint8_t, 257> savedRed = red_;
    red_.fill(0);  // later palette changes do not reach the file
    const std::string rgb = RunCommand("/usr/bin/convert " + saved.string() + " -depth 8 rgb:-");
    ASSERT_EQ(rgb.size(), 40u * 30 * 3);
    for (int pixel = 0; pixel < 40 * 30; ++pixel) {
        const uint8_t index = Library().image.pixels[pixel];
        EXPECT_EQ(uint8_t(rgb[3 * pixel]), savedRed[index]) << pixel;
        EXPECT_EQ(uint8_t(rgb[3 * pixel + 1]), green_[index]) << pixel;
        EXPECT_EQ(uint8_t(rgb[3 * pixel + 2]), blue_[index]) << pixel;
    }
}

TEST_F(ImageFileTest, ReadingRestoresTheIndicesTheTextAndTheDisplayGeometry) {
    MakeMainImage(1000, 750);
    const LibrarySnapshot written = TakeSnapshot();
    const fs::path saved = Save("round.png", kText);
    MakeMainImage(20, 10);
    const int32_t oldBitmap = Library().image.bitmap;

    const int32_t bitmap = ReadFractalFile(saved.c_str());
    ASSERT_GT(bitmap, 0);
    EXPECT_EQ(bitmap, Library().image.bitmap);
    EXPECT_EQ(GetBitmapInfo(oldBitmap, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(TakeSnapshot().pixels, written.pixels);
    ASSERT_EQ(GetFractalTextLen(), static_cast<int32_t>(kText.size()));
    EXPECT_EQ(std::string(GetFractalText(), kText.size()), kText);
    int32_t width = 0, height = 0;
    EXPECT_EQ(GetImageSize(&width, &height), 1);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(1000, 750));
    ASSERT_EQ(GetBitmapInfo(bitmap, &width, &height, nullptr, nullptr), 1);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(500, 375));
    EXPECT_EQ(Library().image.geometry.step, 2);

    DllCleanup();
    EXPECT_EQ(GetImageSize(&width, &height), 0);
}

TEST_F(ImageFileTest, FilesOfOtherProgramsAreRefusedAndTheImageStays) {
    MakeMainImage(30, 20);
    const fs::path saved = Save("ours.png", kText);
    ASSERT_GT(ReadFractalFile(saved.c_str()), 0);
    const LibrarySnapshot before = TakeSnapshot();

    const std::string signature = "Created with Quorvex-Talmy Fractals";
    std::vector<std::pair<std::string, std::string>> refused = {
        {"two text chunks", Edited(saved,
                                   [](auto& c) {
                                       c.insert(c.end() - 1, PngChunk{"tEXt", std::string("Comment\0x", 9)});
                                   })},
        {"first letter differs",
         Edited(saved, [&](auto& c) { SetText(c, "c" + kKeyword.substr(1), kText); })},
        {"35th letter differs",
         Edited(saved, [&](auto& c) { SetText(c, signature.substr(0, 34) + "z", kText); })},
        {"34 letters", Edited(saved, [&](auto& c) { SetText(c, signature.substr(0, 34), kText); })},
        {"text beyond the buffer",
         Edited(saved, [&](auto& c) { SetText(c, kKeyword, std::string(1025, 'x')); })},
    };
    for (const uint32_t format :
         std::initializer_list<uint32_t>{PNG_FORMAT_GRAY, PNG_FORMAT_RGB, PNG_FORMAT_LINEAR_Y}) {
        WriteForeignPng(folder_ / "foreign.png", format);
        refused.emplace_back("foreign format " + std::to_string(format), ReadBytes(folder_ / "foreign.png"));
    }
    for (const auto& [name, bytes] : refused) {
        WriteBytes(folder_ / "refused.png", bytes);
        EXPECT_EQ(ReadFractalFile((folder_ / "refused.png").c_str()), ZENPHRA_NOT_OURS) << name;
        EXPECT_EQ(TakeSnapshot(), before) << name;
    }
}

TEST_F(ImageFileTest, OurSignatureAloneAndTextAfterTheImageDataAreAccepted) {
    MakeMainImage(30, 20);
    const fs::path saved = Save("ours.png", kText);
    const std::string longest(1024, 'y');
    const std::vector<std::pair<std::string, std::string>> accepted = {
        {kText, Edited(saved, [](auto& c) { SetText(c, "Created with Quorvex-Talmy Fractals", kText); })},
        {kText, Edited(saved, [](auto& c) { std::swap(c[2], c[3]); })},
        {longest, Edited(saved, [&](auto& c) { SetText(c, kKeyword, longest); })},
    };
    for (const auto& [text, bytes] : accepted) {
        WriteBytes(folder_ / "accepted.png", bytes);
        EXPECT_GT(ReadFractalFile((folder_ / "accepted.png").c_str()), 0);
        EXPECT_EQ(TakeSnapshot().text, text);
    }
}

TEST_F(ImageFileTest, DamagedShortAndOversizedFilesGiveTheirCodesAndTheImageStays) {
    MakeMainImage(30, 20);
    const fs::path saved = Save("ours.png", kText);
    ASSERT_GT(ReadFractalFile(saved.c_str()), 0);
    const LibrarySnapshot before = TakeSnapshot();
    const std::string file = ReadBytes(saved);
    std::string badSignature = file, badChecksum = file;
    badSignature[5] = 'x';
    badChecksum[file.size() - 13] ^= 1;  // the last byte of the image data's checksum
    const std::vector<std::pair<int32_t, std::string>> cases = {
        {ZENPHRA_READ_ERROR, ""},
        {ZENPHRA_READ_ERROR, file.substr(0, 3)},
        {ZENPHRA_NOT_PNG, "GIF89a, not a PNG at all"},
        {ZENPHRA_PNG_ERROR, badSignature},
        {ZENPHRA_PNG_ERROR, badChecksum},
        {ZENPHRA_PNG_ERROR, file.substr(0, file.size() - 40)},
        {ZENPHRA_OUT_OF_MEMORY, Edited(saved, [](auto& c) { SetSize(c, 16385, 16385); })},
        // libpng's own limits on the sides and on the size of a chunk
        {ZENPHRA_PNG_ERROR, Edited(saved, [](auto& c) { SetSize(c, 1000001, 1); })},
        {ZENPHRA_PNG_ERROR, Edited(saved, [](auto& c) { SetText(c, kKeyword, std::string(9000000, 't')); })},
    };
    for (const auto& [code, bytes] : cases) {
        WriteBytes(folder_ / "damaged.png", bytes);
        EXPECT_EQ(ReadFractalFile((folder_ / "damaged.png").c_str()), code) << bytes.size();
        EXPECT_EQ(TakeSnapshot(), before) << bytes.size();
    }
    EXPECT_EQ(ReadFractalFile((folder_ / "missing.png").c_str()), ZENPHRA_CANNOT_OPEN);
    EXPECT_EQ(TakeSnapshot(), before);
}

// A deep image's location rides in a chunk of its own after the text, which readers of the text alone
// pass over; the library hands it back as it was written and refuses what no writer makes.
TEST_F(ImageFileTest, ALocationTravelsInAChunkOfItsOwnBesideTheText) {
    MakeMainImage(40, 30);
    const std::string location =
        "Exact Center Real =-1.25\nExact Center Imag =0.5\nExact Magnification =1e99\n";
    const fs::path deep = folder_ / "deep.png";
    ASSERT_EQ(WriteFractalFileDeep(deep.c_str(), kText.c_str(), location.c_str()), 0);
    std::vector<PngChunk> chunks = SplitChunks(ReadBytes(deep));
    ASSERT_EQ(ChunkTypes(chunks), (std::vector<std::string>{"IHDR", "PLTE", "tEXt", "zdEp", "IDAT", "IEND"}));
    EXPECT_EQ(chunks[3].data, location);
    const auto locationRead = [] { return std::string(GetFractalLocation(), GetFractalLocationLen()); };

    const fs::path plain = Save("plain.png", kText);
    EXPECT_EQ(SplitChunks(ReadBytes(plain)).size(), 5u);
    ASSERT_GT(ReadFractalFile(deep.c_str()), 0);
    EXPECT_EQ(TakeSnapshot().text, kText);
    EXPECT_EQ(locationRead(), location);
    ASSERT_GT(GetThumbnail(plain.c_str()), 0);
    EXPECT_EQ(locationRead(), "");
    ASSERT_GT(GetThumbnail(deep.c_str()), 0);
    EXPECT_EQ(locationRead(), location);
    // After the image data, as any ancillary chunk may be, it is found all the same.
    WriteBytes(folder_ / "late.png", Edited(deep, [](auto& c) { std::swap(c[3], c[4]); }));
    ASSERT_GT(ReadFractalFile((folder_ / "late.png").c_str()), 0);
    EXPECT_EQ(locationRead(), location);

    ASSERT_GT(ReadFractalFile(deep.c_str()), 0);
    const LibrarySnapshot before = TakeSnapshot();
    const std::string longest(ZENPHRA_LOCATION_CAPACITY, 'l');
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"two locations", Edited(deep, [](auto& c) { c.insert(c.begin() + 4, c[3]); })},
        {"a location beyond the limit", Edited(deep, [&](auto& c) { c[3].data = longest + "l"; })},
    };
    for (const auto& [name, bytes] : refused) {
        WriteBytes(folder_ / "refused.png", bytes);
        EXPECT_EQ(ReadFractalFile((folder_ / "refused.png").c_str()), ZENPHRA_NOT_OURS) << name;
        EXPECT_EQ(TakeSnapshot(), before) << name;
        EXPECT_EQ(locationRead(), location) << name;
    }
    const std::string old = ReadBytes(deep);
    EXPECT_EQ(WriteFractalFileDeep(deep.c_str(), kText.c_str(), (longest + "l").c_str()), ZENPHRA_NOT_OURS);
    EXPECT_EQ(ReadBytes(deep), old);
    ASSERT_EQ(WriteFractalFileDeep(deep.c_str(), kText.c_str(), longest.c_str()), 0);
    ASSERT_GT(ReadFractalFile(deep.c_str()), 0);
    EXPECT_EQ(locationRead(), longest);
}

TEST_F(ImageFileTest, WritingWithoutAnImageOrAPlaceForTheFileCreatesNothing) {
    EXPECT_EQ(WriteFractalFile((folder_ / "none.png").c_str(), kText.c_str()), ZENPHRA_PNG_ERROR);
    MakeMainImage(30, 20);
    EXPECT_EQ(WriteFractalFile((folder_ / "missing" / "a.png").c_str(), kText.c_str()), ZENPHRA_CANNOT_OPEN);
    fs::create_directory(folder_ / "folder.png");
    EXPECT_EQ(WriteFractalFile((folder_ / "folder.png").c_str(), kText.c_str()), ZENPHRA_CANNOT_OPEN);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.png"));
}

TEST_F(ImageFileTest, ATextTheReaderWouldRefuseIsNotWrittenAndTheOldFileStays) {
    MakeMainImage(30, 20);
    const std::string longest(ZENPHRA_TEXT_CAPACITY, 'y');
    const fs::path saved = Save("kept.png", longest);
    ASSERT_GT(ReadFractalFile(saved.c_str()), 0);
    EXPECT_EQ(TakeSnapshot().text, longest);

    const std::string old = ReadBytes(saved);
    const std::string tooLong(ZENPHRA_TEXT_CAPACITY + 1, 'x');
    EXPECT_EQ(WriteFractalFile(saved.c_str(), tooLong.c_str()), ZENPHRA_NOT_OURS);
    EXPECT_EQ(WriteFractalFile((folder_ / "new.png").c_str(), tooLong.c_str()), ZENPHRA_NOT_OURS);
    EXPECT_EQ(ReadBytes(saved), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(ImageFileTest, SavingOverAFileReplacesItWholeAndKeepsItsPermissions) {
    MakeMainImage(30, 20);
    const fs::path saved = Save("over.png", "old");
    fs::permissions(saved, fs::perms::owner_read | fs::perms::owner_write);
    MakeMainImage(50, 40);
    Save("over.png", "new");
    ASSERT_GT(ReadFractalFile(saved.c_str()), 0);
    EXPECT_EQ(Library().image.width, 50);
    EXPECT_EQ(TakeSnapshot().text, "new");
    EXPECT_EQ(fs::status(saved).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(ImageFileTest, AWriteThatFailsPartWayLeavesTheOldFileIntact) {
    MakeMainImage(30, 20);
    const fs::path saved = Save("kept.png", kText);
    const std::string old = ReadBytes(saved);
    // A small file fails only when its buffered bytes are flushed; a large one inside libpng's writes.
    for (const int32_t side : {8, 400}) {
        MakeMainImage(side, side);
        uint32_t noise = 1;
        for (int32_t i = 0; i < side * side; ++i)
            Library().image.pixels[i] = (noise = noise * 1103515245 + 12345) >> 24;
        {
            const FileSizeLimit limit(600);
            EXPECT_EQ(WriteFractalFile(saved.c_str(), kText.c_str()), ZENPHRA_PNG_ERROR) << side;
        }
        EXPECT_TRUE(ReadBytes(saved) == old) << side;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << side;
    }
}

}  // namespace
}  // namespace zenphra::testing
