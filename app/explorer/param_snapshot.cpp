#include "app/explorer/param_snapshot.h"

#include <algorithm>
#include <utility>

namespace zenphra::app {
namespace {

void CopyEntries(const std::array<uint8_t, kPaletteEntries>& from,
                 std::array<uint8_t, kSnapshotEntries>& to) {
    std::copy_n(from.begin(), kSnapshotEntries, to.begin());
}

void CopyEntries(const std::array<uint8_t, kSnapshotEntries>& from,
                 std::array<uint8_t, kPaletteEntries>& to) {
    std::copy(from.begin(), from.end(), to.begin());
}

}  // namespace

ParamSnapshot TakeSnapshot(const FractalParams& params, const PaletteArrays& palette) {
    ParamSnapshot snapshot;
    snapshot.EqnType = params.EqnType;
    snapshot.Rendering = params.Rendering;
    snapshot.MaxIters = params.MaxIters;
    snapshot.ItersToSkip = params.ItersToSkip;
    snapshot.NumRanges = params.NumRanges;
    snapshot.Func1 = params.Func1;
    snapshot.Func2 = params.Func2;
    snapshot.HorRes = params.HorRes;
    snapshot.VertRes = params.VertRes;
    CopyEntries(palette.PalRed, snapshot.PalRed);
    CopyEntries(palette.PalGrn, snapshot.PalGrn);
    CopyEntries(palette.PalBlu, snapshot.PalBlu);
    snapshot.LimitValue = params.LimitValue;
    snapshot.JuliaReal = params.JuliaReal;
    snapshot.JuliaImag = params.JuliaImag;
    snapshot.PrevRealCenter = params.PrevRealCenter;
    snapshot.PrevImagCenter = params.PrevImagCenter;
    snapshot.TotalMagnify = params.TotalMagnify;
    snapshot.TotalAngleDeg = params.TotalAngleDeg;
    snapshot.Parm1 = params.Parm1;
    snapshot.Parm2 = params.Parm2;
    snapshot.Parm3 = params.Parm3;
    snapshot.CustomHres = params.CustomHres;
    snapshot.CustomVres = params.CustomVres;
    return snapshot;
}

void RestoreSnapshot(const ParamSnapshot& snapshot, FractalParams& params, PaletteArrays& palette) {
    params.EqnType = snapshot.EqnType;
    params.Rendering = snapshot.Rendering;
    params.MaxIters = snapshot.MaxIters;
    params.ItersToSkip = snapshot.ItersToSkip;
    params.NumRanges = snapshot.NumRanges;
    params.Func1 = snapshot.Func1;
    params.Func2 = snapshot.Func2;
    params.HorRes = snapshot.HorRes;
    params.VertRes = snapshot.VertRes;
    CopyEntries(snapshot.PalRed, palette.PalRed);
    CopyEntries(snapshot.PalGrn, palette.PalGrn);
    CopyEntries(snapshot.PalBlu, palette.PalBlu);
    params.LimitValue = snapshot.LimitValue;
    params.JuliaReal = snapshot.JuliaReal;
    params.JuliaImag = snapshot.JuliaImag;
    params.PrevRealCenter = snapshot.PrevRealCenter;
    params.PrevImagCenter = snapshot.PrevImagCenter;
    params.TotalMagnify = snapshot.TotalMagnify;
    params.TotalAngleDeg = snapshot.TotalAngleDeg;
    params.Parm1 = snapshot.Parm1;
    params.Parm2 = snapshot.Parm2;
    params.Parm3 = snapshot.Parm3;
    params.CustomHres = snapshot.CustomHres;
    params.CustomVres = snapshot.CustomVres;
}

void SnapshotPair::SaveShown(const FractalParams& params, const PaletteArrays& palette) {
    Shown = TakeSnapshot(params, palette);
}

void SnapshotPair::SavePrevious(const FractalParams& params, const PaletteArrays& palette) {
    Previous = TakeSnapshot(params, palette);
}

void SnapshotPair::Swap() { std::swap(Shown, Previous); }

void SnapshotPair::RestoreShown(FractalParams& params, PaletteArrays& palette) const {
    RestoreSnapshot(Shown, params, palette);
}

}  // namespace zenphra::app
