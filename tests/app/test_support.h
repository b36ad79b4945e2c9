// Shared by the tests of the program's logic: the plotting library bound with a palette to work on,
// messages recorded instead of shown, small file helpers, and a way to make writes fail.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QByteArray>
#include <QString>
#include <vector>

#include "app/colormaps/color_map.h"
#include "app/shell/messages.h"

namespace zenphra::app {

// Binds the library once and hands it this test's palette.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;

    PaletteArrays palette;
};

// Records every message shown while it lives; questions are answered No.
class MessageLog {
  public:
    MessageLog();
    ~MessageLog();

    std::vector<Message> messages;

  private:
    MessagePresenter previous_;
};

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
