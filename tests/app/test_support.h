// Helpers shared by the program's logic tests: the real plotting library bound from the build folder
// with a palette to work on, a message presenter that records what would have been shown, small file
// helpers, and a way to make writes fail.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QString>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/common/messages.h"
#include "tests/app/message_recorder.h"

namespace zenphra::app {

// The library lies beside the test program, as it lies beside the program. True when the exports these
// tests use are bound: numbers as text and the colour ranges.
bool BindEngineBesideTest();

// Binds the library once and hands it this test's palette, taking it back when the test ends.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    PaletteArrays palette;
};

// A Julia image whose every field differs from the first-run defaults. The decimals survive being
// written with six or twenty decimals.
FractalParams SampleParams();

QByteArray FileBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// While it lives, no file of this process may grow beyond `bytes`: writes past it fail.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

  private:
    rlimit previous_{};
};

}  // namespace zenphra::app
