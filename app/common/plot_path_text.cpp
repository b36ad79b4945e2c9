#include "app/common/plot_path_text.h"

#include "app/common/exact_location.h"

namespace zenphra::app {

const char* DeepPhaseName(int32_t phase) {
    if (phase == ZENPHRA_PHASE_REFERENCE) return "reference orbit";
    return phase == ZENPHRA_PHASE_TABLE ? "approximation table" : nullptr;
}

QString DeepPhaseText(const ZenphraPlotPath& path) {
    const char* what = DeepPhaseName(path.phase);
    if (what == nullptr || path.total <= 0) return QString();
    const int64_t percent = path.done * 100 / path.total;
    return QStringLiteral("%1 %2%").arg(QString::fromLatin1(what)).arg(percent);
}

QString PlotPathText(const ZenphraPlotPath& path, const FractalParams& params) {
    if (path.deep != 1) return QString();
    return QStringLiteral("deep: %1, %2 bits").arg(MagnificationInBrief(params)).arg(path.precisionBits);
}

QString MaxItersHint(int64_t atLimit, int64_t plotted) {
    if (plotted <= 0 || 2 * atLimit <= plotted) return QString();
    return QStringLiteral("Most pixels reached Max Iters: try more.");
}

}  // namespace zenphra::app
