// The program binds the library by name at run time; every export must be found that way, with C names.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "zenphra.h"

namespace {

std::string LibraryBesideThisProgram() {
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string folder(path, length > 0 ? static_cast<size_t>(length) : 0);
    return folder.substr(0, folder.rfind('/')) + "/libZenphra.so";
}

class BoundLibrary : public testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(LibraryBesideThisProgram().c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle_ != nullptr) dlclose(handle_);
    }
    template <class Function>
    Function* Bind(const char* name) {
        return reinterpret_cast<Function*>(dlsym(handle_, name));
    }
    void* handle_ = nullptr;
};

TEST_F(BoundLibrary, FindsEveryExportByName) {
    for (const char* name : {"InitPlot",
                             "PlotFractal",
                             "PlotJulia",
                             "DllCleanup",
                             "StringToDouble",
                             "SetColorPointers",
                             "SetColorRange",
                             "SetFractalColors",
                             "RotateColorRanges",
                             "WriteFractalFile",
                             "ReadFractalFile",
                             "GetFractalText",
                             "GetFractalTextLen",
                             "GetImageSize",
                             "GetThumbnail",
                             "GetThumbnailSize",
                             "SetThumbnailColors",
                             "SetThumbnailColorRange",
                             "SetThumbnailColorPointers",
                             "GetBitmapInfo",
                             "SetAbortPoll"}) {
        EXPECT_NE(dlsym(handle_, name), nullptr) << name;
    }
}

TEST_F(BoundLibrary, PlotsThroughBoundExports) {
    auto initPlot = Bind<decltype(InitPlot)>("InitPlot");
    auto plotFractal = Bind<decltype(PlotFractal)>("PlotFractal");
    auto getBitmapInfo = Bind<decltype(GetBitmapInfo)>("GetBitmapInfo");
    auto stringToDouble = Bind<decltype(StringToDouble)>("StringToDouble");
    ASSERT_TRUE(initPlot && plotFractal && getBitmapInfo && stringToDouble);

    double limit = 0, zero = 0, p1 = 0.1, center = -0.5, magnify = 1;
    stringToDouble("4.0", &limit);
    EXPECT_EQ(limit, 4.0);
    const int32_t handle = initPlot(1, 0, 32, 24, 50, 0, 8, 14, &limit, &zero, &zero, &p1, &p1, &zero, 0, 0,
                                    &center, &zero, &magnify, &zero, 1, 0);
    ASSERT_GT(handle, 0);
    EXPECT_EQ(plotFractal(0), handle);
    int32_t width = 0, height = 0, stride = 0;
    uint8_t* bits = nullptr;
    ASSERT_EQ(getBitmapInfo(handle, &width, &height, &stride, &bits), 1);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 24);
    EXPECT_EQ(stride, 96);
    EXPECT_NE(bits, nullptr);
}

}  // namespace
