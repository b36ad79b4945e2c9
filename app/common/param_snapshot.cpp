#include "app/common/param_snapshot.h"

#include <algorithm>
#include <utility>

namespace zenphra::app {
namespace {

// Entries 0 to 233 of the three colour arrays; both records name their arrays alike.
template <typename From, typename To>
void CopyColours(const From& from, To& to) {
    std::copy_n(from.PalRed.begin(), kSnapshotEntries, to.PalRed.begin());
    std::copy_n(from.PalGrn.begin(), kSnapshotEntries, to.PalGrn.begin());
    std::copy_n(from.PalBlu.begin(), kSnapshotEntries, to.PalBlu.begin());
}

// The parameters and a snapshot name their fields alike, so one copy serves both directions.
template <typename From, typename To>
void CopySharedFields(const From& from, To& to) {
    to.EqnType = from.EqnType;
    to.Rendering = from.Rendering;
    to.MaxIters = from.MaxIters;
    to.ItersToSkip = from.ItersToSkip;
    to.NumRanges = from.NumRanges;
    to.Func1 = from.Func1;
    to.Func2 = from.Func2;
    to.HorRes = from.HorRes;
    to.VertRes = from.VertRes;
    to.LimitValue = from.LimitValue;
    to.JuliaReal = from.JuliaReal;
    to.JuliaImag = from.JuliaImag;
    to.PrevRealCenter = from.PrevRealCenter;
    to.PrevImagCenter = from.PrevImagCenter;
    to.TotalMagnify = from.TotalMagnify;
    to.TotalAngleDeg = from.TotalAngleDeg;
    to.Parm1 = from.Parm1;
    to.Parm2 = from.Parm2;
    to.Parm3 = from.Parm3;
    to.CustomHres = from.CustomHres;
    to.CustomVres = from.CustomVres;
    to.ExactRealCenter = from.ExactRealCenter;
    to.ExactImagCenter = from.ExactImagCenter;
    to.ExactMagnify = from.ExactMagnify;
}

}  // namespace

ParamSnapshot TakeSnapshot(const FractalParams& params, const PaletteArrays& palette) {
    ParamSnapshot snapshot;
    CopySharedFields(params, snapshot);
    CopyColours(palette, snapshot);
    return snapshot;
}

void RestoreSnapshot(const ParamSnapshot& snapshot, FractalParams& params, PaletteArrays& palette) {
    CopySharedFields(snapshot, params);
    CopyColours(snapshot, palette);
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
