// How fast rows come: PlotFractal over whole images or bands of rows, as the program asks for them.
//
// Every case runs twice, plain (one pixel at a time on the calling thread, the whole bitmap redrawn after
// every row: the plot as first written) and fast (vector lanes on worker threads, only the changed
// displayed row redrawn). A table at the end gives the speed-ups and the classic set's iterations per
// second per core against this machine's peak.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/equation_codes.h"
#include "engine/equations-inl.h"
#include "engine/plane_mapping.h"
#include "engine/plot_path.h"
#include "engine/row_scheduler.h"
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
    int32_t firstRow = 0;  // the band of rows plotted, one after the other as the program asks for them
    int32_t rowCount = 0;  // 0: to the last row
    int32_t LastRow() const { return rowCount > 0 ? firstRow + rowCount : height; }
    bool findRepeats = true;
    int32_t threads = 0;  // plotting threads; 0: one per core
};

uint8_t red[257], green[257], blue[257];

void Init(const View& v) {
    SetColorPointers(red, green, blue);
    const double limit = 4.0, zero = 0.0, parm3 = 5.0;
    InitPlot(1, v.eqnType, v.width, v.height, v.maxIters, 0, 8, v.rendering, &limit, &zero, &zero, &v.parm1,
             &v.parm2, &parm3, v.func1, v.func2, &v.centerReal, &v.centerImag, &v.magnify, &zero, 1, 0);
}

void PlotRows(benchmark::State& state, const View& view, bool plain) {
    zenphra::ForcePlainPlot(plain);
    zenphra::AllowRepeatShortcut(view.findRepeats);
    zenphra::LimitPlotThreads(view.threads);
    Init(view);
    for (auto _ : state) {
        for (int32_t row = view.firstRow; row < view.LastRow(); ++row)
            benchmark::DoNotOptimize(PlotFractal(row));
    }
    state.counters["pixels/s"] =
        benchmark::Counter(double(state.iterations()) * (view.LastRow() - view.firstRow) * view.width,
                           benchmark::Counter::kIsRate);
    DllCleanup();
    zenphra::ForcePlainPlot(false);
    zenphra::AllowRepeatShortcut(true);
    zenphra::LimitPlotThreads(0);
}

// The steps the classic set's "Level Set" makes for the plotted rows: until |z|^2 exceeds 4 (that step
// included) or the limit is reached; points finished by the interior shortcut make none.
int64_t ClassicIterations(const View& v) {
    const zenphra::PlaneMapping mapping =
        zenphra::ComputePlaneMapping(v.width, v.height, v.centerReal, v.centerImag, v.magnify, 0.0);
    int64_t total = 0;
    for (int32_t row = v.firstRow; row < v.LastRow(); ++row) {
        for (int32_t column = 0; column < v.width; ++column) {
            const double cx = zenphra::PlaneX(zenphra::RowStartX(mapping, row), mapping.colStepX, column);
            const double cy = zenphra::PlaneY(zenphra::RowStartY(mapping, row), mapping.colStepY, column);
            if (zenphra::HWY_NAMESPACE::InClassicInterior<double>(cx, cy)) continue;
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

// The clock, from a chain of dependent integer additions: each takes one cycle on every current x86-64
// and ARM core. (A chain of floating-point additions would not do: their latency is 2, 3 or 4 cycles,
// depending on the core.) The empty assembler statements keep the compiler from folding the chain.
double ClockGigahertz() {
    uint64_t sum = 0;
    volatile uint64_t stepValue = 1;
    const uint64_t step = stepValue;  // not known to the compiler
    const int64_t rounds = 50000000;
    const int additionsPerRound = 8;
    const auto start = std::chrono::steady_clock::now();
    for (int64_t i = 0; i < rounds; ++i) {
        for (int k = 0; k < additionsPerRound; ++k) {
            sum += step;
            asm volatile("" : "+r"(sum));
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(sum);
    return double(rounds) * additionsPerRound / seconds / 1e9;
}

constexpr int kRepetitions = 3;

struct Case {
    std::string name;
    View view;
    double requiredSpeedUp;
    double minTime;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    View seahorse;
    seahorse.width = 1600;
    seahorse.height = 1200;
    seahorse.maxIters = 5000;
    seahorse.centerReal = -0.743643887037151;
    seahorse.centerImag = 0.131825904205330;
    seahorse.magnify = 225000;
    cases.push_back({"seahorse valley 1600x1200, 5000 iterations", seahorse, 16, 1.0});

    // A core's arithmetic: the band of 40 rows across the middle of the same view on one plotting thread,
    // with the repeat shortcut off so that every iteration the plain plot makes is made.
    View throughput = seahorse;
    throughput.firstRow = 580;
    throughput.rowCount = 40;
    throughput.findRepeats = false;
    throughput.threads = 1;
    cases.push_back({"seahorse band, every iteration, one thread", throughput, 0, 1.0});

    cases.push_back({"first-run image 160x120", View{}, 0, 0.2});

    const std::pair<int32_t, const char*> equations[] = {
        {0, "Classic Mandlebrot"}, {1, "Pokorny"},     {24, "Lambda"},
        {7, "Spiral Symmetry 2"},  {28, "Barnsley 2"}, {29, "Chebyshev"}};
    const std::pair<int32_t, const char*> renderings[] = {
        {0, "Rings"},  {1, "Spheres"}, {4, "Squares"},           {11, "Stalks"},   {8, "Atan"},
        {9, "Petals"}, {18, "Cones"},  {12, "Angle Function 1"}, {14, "Level Set"}};
    for (auto [equation, equationName] : equations) {
        for (auto [rendering, renderingName] : renderings) {
            View view;
            view.eqnType = equation;
            view.width = 320;
            view.height = 240;
            view.maxIters = 200;
            view.centerReal = equation == 24 ? 1.0 : equation == 0 ? -0.5 : 0.0;
            view.rendering = rendering;
            view.parm1 = rendering == 18 ? 4.0 : rendering == 8 ? 1.0 : rendering == 1 ? 0.5 : 0.1;
            view.parm2 = rendering == 11 ? 10.0 : 0.1;
            view.func1 = 4;   // sin
            view.func2 = 18;  // exp
            cases.push_back({std::string(equationName) + " / " + renderingName + " 320x240", view, 3, 0.1});
        }
    }
    return cases;
}

// Keeps each case's best time per pass over its repetitions for the table: on a shared machine the
// best is the one least disturbed by others.
class TableReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "best")
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime() / 1e3;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0.0 : found->second;
    }

  private:
    std::map<std::string, double> seconds_;
};

std::string RunName(const Case& c, const char* path) { return c.name + " [" + path + "]"; }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Case> cases = Cases();
    for (const Case& c : cases) {
        for (bool plain : {true, false}) {
            benchmark::RegisterBenchmark(
                RunName(c, plain ? "plain" : "fast").c_str(),
                [view = c.view, plain](benchmark::State& state) { PlotRows(state, view, plain); })
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond)
                ->MinTime(c.minTime)
                ->Repetitions(kRepetitions)
                ->ComputeStatistics("best",
                                    [](const std::vector<double>& times) {
                                        return *std::min_element(times.begin(), times.end());
                                    })
                ->DisplayAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-52s %10s %10s %9s %9s\n", "case", "plain ms", "fast ms", "speed-up", "required");
    int failures = 0;
    for (const Case& c : cases) {
        const double plain = reporter.Seconds(RunName(c, "plain")),
                     fast = reporter.Seconds(RunName(c, "fast"));
        if (plain == 0 || fast == 0) continue;
        const double speedUp = plain / fast;
        const bool short_ = c.requiredSpeedUp > 0 && speedUp < c.requiredSpeedUp;
        failures += short_;
        std::printf("%-52s %10.2f %10.2f %8.1fx %8s%s\n", c.name.c_str(), plain * 1e3, fast * 1e3, speedUp,
                    c.requiredSpeedUp > 0 ? (std::to_string(int(c.requiredSpeedUp)) + "x").c_str() : "",
                    short_ ? "  SHORT" : "");
    }

    const Case& throughput = cases[1];
    const double fast = reporter.Seconds(RunName(throughput, "fast"));
    if (fast > 0) {
        const double perCore = double(ClassicIterations(throughput.view)) / fast;
        const double gigahertz = ClockGigahertz();
        // Per core and cycle, 16 operations: two multipliers and two adders each four doubles wide (as on
        // cores that split an AVX-512 instruction in two halves), or two units each eight doubles wide
        // shared by products and sums (cores with full AVX-512). One iteration of the classic set is 8
        // (three products, a doubling, four sums).
        const double peakIterations = gigahertz * 1e9 * 16 / 8;
        std::printf(
            "\nclassic set: %.2f G iterations/s on one core; clock %.2f GHz, peak without fused multiply-add "
            "%.1f G iterations/s per core (16 flops/cycle, 8 flops/iteration): %.0f%% of peak (required "
            "50%%)\n",
            perCore / 1e9, gigahertz, peakIterations / 1e9, 100 * perCore / peakIterations);
        failures += perCore < peakIterations / 2;
    }
    std::printf("%s\n",
                failures == 0 ? "every figure meets its mark" : "some figures fall short of their mark");
    return 0;
}
