#include "app/explorer/plot_call.h"

#include "app/common/engine_api.h"
#include "app/common/exact_location.h"

namespace zenphra::app {

// Every image goes to the library as the texts of its location, so that the library alone decides
// whether doubles resolve its pixels (then it draws exactly what InitPlot draws) or the deep path must:
// a magnification of 1e20 typed as a plain number is drawn deep too. A deep location goes in full for as
// long as it describes the view; once a zoom or an edit has moved the doubles away from it, the doubles'
// own texts say where the image is.
int32_t InitPlotWith(const FractalParams& p, int32_t startY, int32_t imageFactor) {
    const QByteArray re = ExactPartText(p.ExactRealCenter, p.PrevRealCenter).toLatin1();
    const QByteArray im = ExactPartText(p.ExactImagCenter, p.PrevImagCenter).toLatin1();
    const QByteArray magnify = ExactPartText(p.ExactMagnify, p.TotalMagnify).toLatin1();
    return Engine().InitPlotDeep(startY == 0 ? 1 : 0, p.EqnType, p.HorRes, p.VertRes, p.MaxIters,
                                 p.ItersToSkip, p.NumRanges, p.Rendering, &p.LimitValue, &p.JuliaReal,
                                 &p.JuliaImag, &p.Parm1, &p.Parm2, &p.Parm3, p.Func1, p.Func2, re.constData(),
                                 im.constData(), magnify.constData(), &p.TotalAngleDeg, imageFactor,
                                 p.Banding);
}

}  // namespace zenphra::app
