#include "cli/phase_watch.h"

#include <QElapsedTimer>
#include <chrono>

#include "app/common/engine_api.h"
#include "app/common/plot_path_text.h"
#include "cli/console.h"

namespace zenphra::cli {
namespace {

constexpr std::chrono::milliseconds kLookEvery{250};

}  // namespace

QString PhaseText(const ZenphraPlotPath& path, double phaseSeconds) {
    const char* what = app::DeepPhaseName(path.phase);
    if (what == nullptr || path.total <= 0) return QString();
    const char* unit = path.phase == ZENPHRA_PHASE_REFERENCE ? "iterations" : "entries";
    const QString left =
        path.done > 0 ? FormatDuration(phaseSeconds * double(path.total - path.done) / double(path.done))
                      : QStringLiteral("--:--");
    return QStringLiteral("%1 %2/%3 %4  %5%  %6 elapsed  %7 left")
        .arg(QString::fromLatin1(what))
        .arg(path.done)
        .arg(path.total)
        .arg(QString::fromLatin1(unit))
        .arg(path.done * 100 / path.total)
        .arg(FormatDuration(phaseSeconds), left);
}

PhaseWatch::PhaseWatch(ProgressStyle style, std::FILE* out) : style_(style), out_(out) {
    if (style_ != ProgressStyle::kQuiet) thread_ = std::thread([this] { Watch(); });
}

PhaseWatch::~PhaseWatch() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void PhaseWatch::Watch() {
    QElapsedTimer phaseClock;
    int32_t shownPhase = ZENPHRA_PHASE_NONE;
    int64_t shownTenth = -1;  // of the phase, by a line
    bool barDrawn = false;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, kLookEvery, [this] { return stop_; })) {
        ZenphraPlotPath path{};
        if (app::Engine().GetPlotPath(&path) != 1) continue;
        if (path.phase != shownPhase) {
            shownPhase = path.phase;
            shownTenth = -1;
            phaseClock.start();
        }
        const QString text = PhaseText(path, phaseClock.elapsed() / 1000.0);
        if (text.isEmpty()) continue;
        if (style_ == ProgressStyle::kBar) {
            std::fprintf(out_, "\r%s   ", qPrintable(text));
            barDrawn = true;
        } else if (path.done * 10 / path.total > shownTenth) {
            shownTenth = path.done * 10 / path.total;
            std::fprintf(out_, "%s: %s\n", kProgramName, qPrintable(text));
        }
        std::fflush(out_);
    }
    if (barDrawn) std::fputc('\n', out_);
    std::fflush(out_);
}

}  // namespace zenphra::cli
