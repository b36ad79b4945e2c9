#include "tests/app/test_support.h"

#include <QFile>
#include <csignal>

#include "app/shell/engine_api.h"

namespace zenphra::app {

void EngineTest::SetUp() {
    // Only the exports the program's logic calls must be there.
    static const QStringList missing = BindEngine(QStringLiteral(ZENPHRA_LIBRARY_FILE));
    for (const char* name : {"StringToDouble", "SetColorPointers", "SetColorRange", "RotateColorRanges"}) {
        ASSERT_FALSE(missing.contains(QLatin1String(name))) << name << " is not bound";
    }
    Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
}

MessageLog::MessageLog() {
    previous_ = SetMessagePresenter([this](const Message& message) {
        messages.push_back(message);
        return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
    });
}

MessageLog::~MessageLog() { SetMessagePresenter(previous_); }

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
