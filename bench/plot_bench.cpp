// How fast rows come: PlotFractal over whole images or evenly spread rows, in pixels per second and,
// for the classic set, iterations per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/equations.h"
#include "zenphra.h"

namespace {

struct View {
    int32_t eqnType = 0;
    int32_t width = 160, height = 120;
    int32_t maxIters = 100;
    int32_t rendering = 14;
    double centerReal = -0.5, centerImag = 0.0, magnify = 1.0;
    double parm1 = 0.1, parm2 = 0.1;
    int32_t func1 = 0, func2 = 0;
    int32_t rowStep = 1;  // plot every rowStep-th row
};

uint8_t red[257], green[257], blue[257];

void Init(const View& v) {
    SetColorPointers(red, green, blue);
    const double limit = 4.0, zero = 0.0, parm3 = 5.0;
    InitPlot(1, v.eqnType, v.width, v.height, v.maxIters, 0, 8, v.rendering, &limit, &zero, &zero, &v.parm1,
             &v.parm2, &parm3, v.func1, v.func2, &v.centerReal, &v.centerImag, &v.magnify, &zero, 1, 0);
}

// Iterations the classic set's "Level Set" makes for the plotted rows: steps until |z|^2 exceeds 4 or
// the limit is reached; points finished by the interior shortcut make none.
int64_t ClassicIterations(const View& v) {
    const double planeWidth = 3.6 / v.magnify, step = planeWidth / v.width;
    const double left = v.centerReal - planeWidth / 2, top = v.centerImag + step * v.height / 2;
    int64_t total = 0;
    for (int32_t row = 0; row < v.height; row += v.rowStep) {
        for (int32_t column = 0; column < v.width; ++column) {
            const double cx = left + column * step, cy = top - row * step;
            if (zenphra::InClassicInterior(cx, cy)) continue;
            double x = 0, y = 0;
            int32_t n = 0;
            while (n < v.maxIters) {
                const double nextY = 2 * x * y + cy;
                x = cx + (x * x - y * y);
                y = nextY;
                ++n;
                if (x * x + y * y > 4.0) break;
            }
            total += n;
        }
    }
    return total;
}

void PlotRows(benchmark::State& state, const View& view, bool countIterations) {
    Init(view);
    int64_t rows = 0;
    for (auto _ : state) {
        for (int32_t row = 0; row < view.height; row += view.rowStep)
            benchmark::DoNotOptimize(PlotFractal(row));
        rows += (view.height + view.rowStep - 1) / view.rowStep;
    }
    const double pixels = double(rows) * view.width;
    state.counters["pixels/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsRate);
    if (countIterations) {
        const double perPass = double(ClassicIterations(view));
        const double passes = double(rows) / ((view.height + view.rowStep - 1) / view.rowStep);
        state.counters["iterations/s"] = benchmark::Counter(perPass * passes, benchmark::Counter::kIsRate);
    }
    DllCleanup();
}

void FirstRunImage(benchmark::State& state) { PlotRows(state, View{}, true); }
BENCHMARK(FirstRunImage)->Unit(benchmark::kMillisecond);

// The seahorse valley at 1600 x 1200 with 5000 iterations; every 40th row keeps a pass short.
void SeahorseValley(benchmark::State& state) {
    View view;
    view.width = 1600;
    view.height = 1200;
    view.maxIters = 5000;
    view.centerReal = -0.743643887037151;
    view.centerImag = 0.131825904205330;
    view.magnify = 225000;
    view.rowStep = 40;
    PlotRows(state, view, true);
}
BENCHMARK(SeahorseValley)->Unit(benchmark::kMillisecond);

// One case per rendering, on the classic set at 320 x 240 with 200 iterations.
void Rendering(benchmark::State& state) {
    View view;
    view.width = 320;
    view.height = 240;
    view.maxIters = 200;
    view.rendering = int32_t(state.range(0));
    view.parm1 = view.rendering == 18 ? 4.0 : view.rendering == 8 ? 1.0 : 0.1;
    view.parm2 = view.rendering == 11 ? 10.0 : 0.1;
    view.func1 = 4;
    view.func2 = 18;
    PlotRows(state, view, false);
}
BENCHMARK(Rendering)
    ->ArgName("rendering")
    ->Arg(0)
    ->Arg(1)
    ->Arg(4)
    ->Arg(11)
    ->Arg(8)
    ->Arg(9)
    ->Arg(18)
    ->Arg(12)
    ->Arg(14)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
