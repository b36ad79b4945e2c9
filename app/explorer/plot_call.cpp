#include "app/explorer/plot_call.h"

#include <array>
#include <charconv>

#include "app/common/engine_api.h"

namespace zenphra::app {
namespace {

// The exact text of a location part, or the shortest text that reads back as its double.
QByteArray LocationText(const QString& exact, double nearest) {
    if (!exact.isEmpty()) return exact.toLatin1();
    std::array<char, 32> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), nearest).ptr;
    return QByteArray(buffer.data(), int(end - buffer.data()));
}

}  // namespace

int32_t InitPlotWith(const FractalParams& p, int32_t startY, int32_t imageFactor) {
    if (p.HasExactLocation()) {
        const QByteArray re = LocationText(p.ExactRealCenter, p.PrevRealCenter);
        const QByteArray im = LocationText(p.ExactImagCenter, p.PrevImagCenter);
        const QByteArray magnify = LocationText(p.ExactMagnify, p.TotalMagnify);
        return Engine().InitPlotDeep(startY == 0 ? 1 : 0, p.EqnType, p.HorRes, p.VertRes, p.MaxIters,
                                     p.ItersToSkip, p.NumRanges, p.Rendering, &p.LimitValue, &p.JuliaReal,
                                     &p.JuliaImag, &p.Parm1, &p.Parm2, &p.Parm3, p.Func1, p.Func2,
                                     re.constData(), im.constData(), magnify.constData(), &p.TotalAngleDeg,
                                     imageFactor, p.Banding);
    }
    return Engine().InitPlot(startY == 0 ? 1 : 0, p.EqnType, p.HorRes, p.VertRes, p.MaxIters, p.ItersToSkip,
                             p.NumRanges, p.Rendering, &p.LimitValue, &p.JuliaReal, &p.JuliaImag, &p.Parm1,
                             &p.Parm2, &p.Parm3, p.Func1, p.Func2, &p.PrevRealCenter, &p.PrevImagCenter,
                             &p.TotalMagnify, &p.TotalAngleDeg, imageFactor, p.Banding);
}

}  // namespace zenphra::app
