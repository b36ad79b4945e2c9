// The life of a plot: a new image, rows one call at a time, Escape, resuming, bad calls, shut-down.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/library_state.h"
#include "tests/engine/plot_session.h"
#include "zenphra.h"

// Counts allocations made with new in this process, the library's included.
static std::atomic<long> allocations{0};
void* operator new(size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
// Kept out of line: inlined, the compiler would pair its own idea of new with this free and warn.
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, size_t) noexcept { std::free(memory); }

namespace zenphra::test {
namespace {

bool AllEqual(std::span<const uint8_t> pixels, uint8_t value) {
    return std::all_of(pixels.begin(), pixels.end(), [value](uint8_t p) { return p == value; });
}

std::span<const uint8_t> Row(int32_t row, int32_t width) {
    return IndexBuffer().subspan(size_t(row) * width, width);
}

// A poll that reports Escape at the n-th pixel it is asked about.
int32_t pollsUntilEscape = -1;
int32_t EscapeAfterCountdown() { return pollsUntilEscape-- == 0 ? 1 : 0; }

TEST(NewImage, StartsUnplottedAndStaleHandlesAreRefused) {
    TestPalette palette;
    PlotRequest request;
    const int32_t first = Init(request);
    ASSERT_GT(first, 0);
    EXPECT_TRUE(AllEqual(IndexBuffer(), 234));
    const int32_t second = Init(request);
    ASSERT_GT(second, 0);
    EXPECT_NE(second, first);
    int32_t width;
    EXPECT_EQ(GetBitmapInfo(first, &width, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(GetBitmapInfo(second, &width, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(GetBitmapInfo(-3, &width, nullptr, nullptr, nullptr), 0);
}

TEST(NewImage, JuliaModeStartsAtOneHundred) {
    PlotRequest request;
    request.eqnType = 100;
    Init(request);
    EXPECT_TRUE(Library().plot.juliaMode);
    EXPECT_EQ(Library().plot.equation, 0);
    request.eqnType = 99;
    Init(request);
    EXPECT_FALSE(Library().plot.juliaMode);
    EXPECT_EQ(Library().plot.equation, 99);
}

TEST(Resume, KeepsEveryPlottedByteAndGoesOnFromTheRow) {
    TestPalette palette;
    PlotRequest request;
    const std::vector<uint8_t> whole = PlotWhole(request);

    Init(request);
    for (int32_t row = 0; row < 10; ++row) PlotFractal(row);
    const std::vector<uint8_t> firstRows(IndexBuffer().begin(), IndexBuffer().begin() + 10 * request.width);
    PlotRequest changed = request;
    changed.centerReal = 0.25;  // would give another image
    EXPECT_EQ(Init(changed, 0), 0);
    EXPECT_TRUE(std::equal(firstRows.begin(), firstRows.end(), IndexBuffer().begin()));

    Init(request, 0);
    for (int32_t row = 10; row < request.height; ++row) PlotFractal(row);
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), IndexBuffer().begin()));
}

TEST(Counting, CountsAnIndexInTheRowsAskedForOnly) {
    TestPalette palette;
    PlotRequest request;
    const std::vector<uint8_t> whole = PlotWhole(request);
    const int32_t rows = 20;
    const auto inRows = std::count(whole.begin(), whole.begin() + rows * request.width, kMaxIterIndex);
    ASSERT_GT(inRows, 0);
    EXPECT_EQ(CountImageIndex(kMaxIterIndex, rows), inRows);
    EXPECT_EQ(CountImageIndex(kMaxIterIndex, request.height),
              std::count(whole.begin(), whole.end(), kMaxIterIndex));
    for (const auto& [index, count] : {std::pair{-1, 1}, {256, 1}, {0, -1}, {0, request.height + 1}}) {
        EXPECT_EQ(CountImageIndex(index, count), -1) << index << " " << count;
    }
}

TEST(Escape, StopsAtThePixelAndLeavesTheRestOfTheRow) {
    TestPalette palette;
    palette.red[234] = 77;
    PlotRequest request;
    const int32_t handle = Init(request);
    pollsUntilEscape = 20;
    SetAbortPoll(EscapeAfterCountdown);
    EXPECT_EQ(PlotFractal(3), -7);
    SetAbortPoll(nullptr);
    const std::span<const uint8_t> row = Row(3, request.width);
    EXPECT_TRUE(std::none_of(row.begin(), row.begin() + 20, [](uint8_t p) { return p == 234; }));
    EXPECT_TRUE(AllEqual(row.subspan(20), 234));
    // The bitmap was not re-coloured: pixel (3, 0) still shows "not plotted".
    int32_t width, height, stride;
    uint8_t* bits;
    ASSERT_EQ(GetBitmapInfo(handle, &width, &height, &stride, &bits), 1);
    EXPECT_EQ(bits[3 * stride + 2], 77);
    // Without a poll nothing stops.
    EXPECT_EQ(PlotFractal(3), handle);
    EXPECT_TRUE(std::none_of(Row(3, request.width).begin(), Row(3, request.width).end(),
                             [](uint8_t p) { return p == 234; }));
}

TEST(Escape, AStoppedAndResumedPlotEqualsAnUninterruptedOne) {
    PlotRequest request;
    request.rendering = 0;  // Rings, with banding off: dither depends on the pixel's place
    request.banding = 0;
    const std::vector<uint8_t> whole = PlotWhole(request);
    Init(request);
    for (int32_t row = 0; row < request.height; ++row) {
        pollsUntilEscape = row % 7 * 9;
        SetAbortPoll(EscapeAfterCountdown);
        const int32_t result = PlotFractal(row);
        SetAbortPoll(nullptr);
        if (result == -7) PlotFractal(row);
    }
    EXPECT_TRUE(std::equal(whole.begin(), whole.end(), IndexBuffer().begin()));
}

TEST(BadCalls, PlotFractalWithoutABufferDoesNothing) {
    DllCleanup();  // as if just loaded
    EXPECT_EQ(PlotFractal(0), 0);
    PlotRequest request;
    request.width = 0;
    EXPECT_EQ(Init(request), -4);
    EXPECT_EQ(PlotFractal(0), 0);
    EXPECT_EQ(SetFractalColors(), 0);
    request.width = -10;
    EXPECT_EQ(Init(request), -4);
    request.width = 100000;
    request.height = 100000;  // ten billion pixels: beyond any image the program makes
    EXPECT_EQ(Init(request), -4);
    EXPECT_TRUE(IndexBuffer().empty());
    EXPECT_EQ(Init(request, 0), 0);  // parameters only, still no buffer
    EXPECT_EQ(PlotFractal(5), 0);
}

TEST(BadCalls, AFailedNewImageReleasesTheOldOne) {
    PlotRequest request;
    const int32_t handle = Init(request);
    request.height = 0;
    EXPECT_EQ(Init(request), -4);
    EXPECT_EQ(GetBitmapInfo(handle, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_FALSE(Library().imagePresent);
}

TEST(BadCalls, RowsOutsideTheBufferAreIgnored) {
    PlotRequest request;
    const int32_t handle = Init(request);
    EXPECT_EQ(PlotFractal(-1), handle);
    EXPECT_EQ(PlotFractal(request.height), handle);
    EXPECT_EQ(PlotFractal(1 << 30), handle);
    EXPECT_TRUE(AllEqual(IndexBuffer(), 234));
}

TEST(BadCalls, ResumingWithAnotherSizeStaysInsideTheBuffer) {
    PlotRequest request;
    request.width = 32;
    request.height = 24;
    Init(request);
    PlotRequest larger = request;
    larger.width = 64;
    larger.height = 48;
    Init(larger, 0);
    PlotFractal(30);  // beyond the buffer's rows
    PlotFractal(5);   // only the buffer's 32 columns
    EXPECT_TRUE(std::none_of(Row(5, 32).begin(), Row(5, 32).end(), [](uint8_t p) { return p == 234; }));
    EXPECT_EQ(IndexBuffer().size(), 32u * 24u);

    PlotRequest narrower = request;
    narrower.width = 16;
    Init(narrower, 0);
    PlotFractal(6);
    EXPECT_TRUE(AllEqual(Row(6, 32).subspan(16), 234));
    EXPECT_FALSE(AllEqual(Row(6, 32).first(16), 234));

    PlotRequest noWidth = request;
    noWidth.width = 0;
    Init(noWidth, 0);
    EXPECT_GT(PlotFractal(7), 0);  // only re-colours
    EXPECT_TRUE(AllEqual(Row(7, 32), 234));
}

TEST(Plotting, AllocatesNothing) {
    PlotRequest request;
    request.rendering = 12;  // Angle Function 1: the rendering that calls the most functions
    Init(request);
    const long before = allocations;
    for (int32_t row = 0; row < request.height; ++row) PlotFractal(row);
    EXPECT_EQ(allocations - before, 0);
}

// A poll that tries to change the plot from inside a row, as an event handler could.
int32_t MeddlingPoll() {
    static uint8_t red[257], green[257], blue[257];
    SetColorPointers(red, green, blue);
    PlotRequest request;
    request.width = 4;
    Init(request);
    DllCleanup();
    PlotFractal(0);
    return 0;
}

TEST(Plotting, RefusesCallsMadeFromInsideARow) {
    TestPalette palette;
    PlotRequest request;
    const int32_t handle = Init(request);
    SetAbortPoll(MeddlingPoll);
    EXPECT_EQ(PlotFractal(2), handle);
    SetAbortPoll(nullptr);
    EXPECT_EQ(IndexBuffer().size(), size_t(request.width) * request.height);
    EXPECT_EQ(Library().palette.red, palette.red);
}

TEST(Cleanup, ReleasesEverything) {
    PlotRequest request;
    const int32_t handle = Init(request);
    const double zero = 0;
    const int32_t preview = PlotJulia(0, &zero, &zero);
    ASSERT_GT(preview, 0);
    DllCleanup();
    EXPECT_EQ(GetBitmapInfo(handle, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(GetBitmapInfo(preview, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(SetFractalColors(), 0);
    EXPECT_EQ(PlotFractal(0), 0);
    DllCleanup();  // twice is harmless
}

}  // namespace
}  // namespace zenphra::test
