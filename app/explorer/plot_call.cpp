#include "app/explorer/plot_call.h"

#include "app/common/engine_api.h"

namespace zenphra::app {

int32_t InitPlotWith(const FractalParams& p, int32_t startY, int32_t imageFactor) {
    return Engine().InitPlot(startY == 0 ? 1 : 0, p.EqnType, p.HorRes, p.VertRes, p.MaxIters, p.ItersToSkip,
                             p.NumRanges, p.Rendering, &p.LimitValue, &p.JuliaReal, &p.JuliaImag, &p.Parm1,
                             &p.Parm2, &p.Parm3, p.Func1, p.Func2, &p.PrevRealCenter, &p.PrevImagCenter,
                             &p.TotalMagnify, &p.TotalAngleDeg, imageFactor, p.Banding);
}

}  // namespace zenphra::app
