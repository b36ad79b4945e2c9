// Whole small images, pinned byte for byte, and every equation with every rendering under the
// sanitizers. A change that moves a single pixel of the pinned images fails here.
//
// To re-pin after a deliberate change of the results: ZENPHRA_WRITE_GOLDEN=1 engine_images_test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>

#include "tests/engine/plot_session.h"

namespace zenphra::test {
namespace {

struct GoldenImage {
    const char* name;
    PlotRequest request;
};

PlotRequest Request(int32_t eqnType, int32_t rendering, double parm1, double parm2, int32_t numRanges,
                    int32_t banding) {
    PlotRequest request;
    request.width = 48;
    request.height = 36;
    request.maxIters = 150;
    request.eqnType = eqnType;
    request.rendering = rendering;
    request.parm1 = parm1;
    request.parm2 = parm2;
    request.numRanges = numRanges;
    request.banding = banding;
    return request;
}

std::vector<GoldenImage> GoldenImages() {
    std::vector<GoldenImage> images;
    images.push_back({"classic_level_set", Request(0, 14, 0, 0, 8, 0)});
    PlotRequest pokorny = Request(1, 0, 0.05, 0, 8, 0);
    pokorny.centerReal = 0.0;
    pokorny.magnify = 0.5;
    images.push_back({"pokorny_rings", pokorny});
    PlotRequest lambda = Request(124, 9, 0.5, 0.1, 4, 1);
    lambda.juliaReal = 0.85;
    lambda.juliaImag = 0.6;
    lambda.centerReal = 0.5;
    images.push_back({"lambda_julia_petals", lambda});
    PlotRequest spiral = Request(7, 11, 0.05, 10.0, 2, 1);
    spiral.centerReal = 0.0;
    images.push_back({"spiral_stalks", spiral});
    PlotRequest barnsley = Request(128, 8, 0.5, 0, 8, 0);
    barnsley.juliaReal = 0.6;
    barnsley.juliaImag = 1.1;
    barnsley.centerReal = 0.0;
    barnsley.itersToSkip = 3;
    images.push_back({"barnsley_julia_atan", barnsley});
    PlotRequest chebyshev = Request(29, 18, 4.0, 0, 4, 0);
    chebyshev.centerReal = 0.0;
    chebyshev.parm3 = 5.0;
    images.push_back({"chebyshev_cones", chebyshev});
    PlotRequest angle = Request(0, 12, 0.5, 1.0, 8, 0);
    angle.func1 = 4;   // sin
    angle.func2 = 18;  // exp
    angle.angle = 30.0;
    angle.magnify = 2.0;
    angle.centerReal = -0.7;
    angle.centerImag = 0.2;
    images.push_back({"classic_angle_function", angle});
    PlotRequest spheres = Request(100, 1, 0.5, 0, 8, 1);
    spheres.juliaReal = -0.75;
    spheres.juliaImag = 0.11;
    spheres.centerReal = 0.0;
    spheres.itersToSkip = 2;
    images.push_back({"classic_julia_spheres", spheres});
    PlotRequest squares = Request(0, 4, 0.1, 0, 2, 0);
    squares.angle = -45.0;
    squares.magnify = 4.0;
    squares.centerReal = -0.75;
    squares.centerImag = 0.1;
    images.push_back({"classic_squares_turned", squares});
    return images;
}

std::string GoldenPath(const char* name) { return std::string(ZENPHRA_GOLDEN_DIR) + "/" + name + ".idx"; }

TEST(GoldenImages, AreUnchangedToTheLastPixel) {
    const bool rewrite = std::getenv("ZENPHRA_WRITE_GOLDEN") != nullptr;
    for (const GoldenImage& golden : GoldenImages()) {
        const std::vector<uint8_t> pixels = PlotWhole(golden.request);
        if (rewrite) {
            std::ofstream(GoldenPath(golden.name), std::ios::binary)
                .write(reinterpret_cast<const char*>(pixels.data()), std::streamsize(pixels.size()));
            continue;
        }
        std::ifstream file(GoldenPath(golden.name), std::ios::binary);
        ASSERT_TRUE(file) << "missing " << GoldenPath(golden.name);
        const std::vector<uint8_t> expected{std::istreambuf_iterator<char>(file), {}};
        ASSERT_EQ(pixels.size(), expected.size()) << golden.name;
        const auto differing = std::mismatch(pixels.begin(), pixels.end(), expected.begin());
        EXPECT_TRUE(differing.first == pixels.end())
            << golden.name << ": first different pixel at " << (differing.first - pixels.begin()) << ", "
            << int(*differing.first) << " instead of " << int(*differing.second) << "; "
            << std::inner_product(pixels.begin(), pixels.end(), expected.begin(), 0, std::plus<>(),
                                  std::not_equal_to<>())
            << " pixels differ";
        // Pinned images must show something: a catch, an escape and the iteration limit are all there.
        EXPECT_GT(std::count_if(pixels.begin(), pixels.end(), [](uint8_t p) { return p < 232; }), 0)
            << golden.name;
    }
}

TEST(EveryCombination, PlotsEveryPixel) {
    const int32_t equations[] = {0, 1, 7, 24, 28, 29, 5};
    const int32_t renderings[] = {0, 1, 4, 8, 9, 11, 12, 14, 18, 2};
    for (int32_t equation : equations) {
        for (int32_t rendering : renderings) {
            for (int32_t julia : {0, 100}) {
                for (int32_t banding : {0, 1}) {
                    PlotRequest request =
                        Request(equation + julia, rendering, 0.3, 0.1, 8 >> banding, banding);
                    request.width = 16;
                    request.height = 12;
                    request.maxIters = 40;
                    request.func1 = (equation + rendering) % 25;
                    request.func2 = (equation * 3 + 7) % 25;
                    request.juliaReal = -0.4;
                    request.juliaImag = 0.6;
                    const std::vector<uint8_t> pixels = PlotWhole(request);
                    ASSERT_EQ(std::count(pixels.begin(), pixels.end(), 234), 0)
                        << "equation " << equation + julia << ", rendering " << rendering;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zenphra::test
