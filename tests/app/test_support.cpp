#include "tests/app/test_support.h"

#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "app/common/engine_api.h"

namespace zenphra::app {

bool BindEngineBesideTest() {
    static const bool bound = [] {
        const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        BindEngine(QFileInfo(program).absolutePath() + QStringLiteral("/libZenphra.so"));
        const EngineApi& engine = Engine();
        return engine.StringToDouble != nullptr && engine.SetColorPointers != nullptr &&
               engine.SetColorRange != nullptr && engine.RotateColorRanges != nullptr;
    }();
    return bound;
}

void EngineTest::SetUp() {
    ASSERT_TRUE(BindEngineBesideTest());
    Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
}

void EngineTest::TearDown() { Engine().SetColorPointers(nullptr, nullptr, nullptr); }

FractalParams SampleParams() {
    return FractalParams{.EqnType = 107,
                         .HorRes = 1000,
                         .VertRes = 750,
                         .MaxIters = 2000,
                         .ItersToSkip = 5,
                         .NumRanges = 4,
                         .Rendering = 12,
                         .Banding = 1,
                         .LimitValue = 16.5,
                         .JuliaReal = -0.7453,
                         .JuliaImag = 0.1127,
                         .Parm1 = 0.125,
                         .Parm2 = 1.5,
                         .Parm3 = 7.0,
                         .Func1 = 24,
                         .Func2 = 3,
                         .PrevRealCenter = -0.743643887037151,
                         .PrevImagCenter = 0.13182590420533,
                         .TotalMagnify = 123456.789,
                         .TotalAngleDeg = -45.25,
                         .CustomHres = "1000",
                         .CustomVres = "750"};
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead of ending the process
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

}  // namespace zenphra::app
