// Helpers shared by the program's logic tests: the real plotting library bound from the build folder,
// and a message presenter that records what would have been shown.
#pragma once

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QList>

#include "app/explorer/fractal_params.h"
#include "app/shell/engine_api.h"
#include "app/shell/messages.h"

namespace zenphra::app {

// The library lies beside the test program, as it lies beside the program. True when the exports these
// tests use are bound: numbers as text and the colour ranges.
inline bool BindEngineBesideTest() {
    static const bool bound = [] {
        const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        BindEngine(QFileInfo(program).absolutePath() + QStringLiteral("/libZenphra.so"));
        const EngineApi& engine = Engine();
        return engine.StringToDouble != nullptr && engine.SetColorPointers != nullptr &&
               engine.SetColorRange != nullptr;
    }();
    return bound;
}

// A Julia image whose every field differs from the first-run defaults. The decimals survive being
// written with six or twenty decimals.
inline FractalParams SampleParams() {
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

// Records every message while it lives, answering OK.
class MessageRecorder {
  public:
    MessageRecorder() {
        previous_ = SetMessagePresenter([this](const Message& message) {
            messages_.append(message);
            return MessageAnswer::kOk;
        });
    }
    ~MessageRecorder() { SetMessagePresenter(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<Message>& messages() const { return messages_; }
    QString lastText() const { return messages_.isEmpty() ? QString() : messages_.last().text; }

  private:
    MessagePresenter previous_;
    QList<Message> messages_;
};

}  // namespace zenphra::app
