// Parameter snapshots: the parameters and colours of the image on screen and of the image shown before
// it, so that Undo can go back one step. Banding is not part of a snapshot, so Undo keeps the current
// banding choice.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

// Palette entries a snapshot keeps: the range colours, the maximum-iteration and background colours.
inline constexpr int32_t kSnapshotEntries = 234;

struct ParamSnapshot {
    int16_t EqnType = 0;
    int32_t Rendering = 0;
    int32_t MaxIters = 0;
    int32_t ItersToSkip = 0;
    int32_t NumRanges = 0;
    int32_t Func1 = 0;
    int32_t Func2 = 0;
    int32_t HorRes = 0;
    int32_t VertRes = 0;
    std::array<uint8_t, kSnapshotEntries> PalRed{};
    std::array<uint8_t, kSnapshotEntries> PalGrn{};
    std::array<uint8_t, kSnapshotEntries> PalBlu{};
    double LimitValue = 0.0;
    double JuliaReal = 0.0;
    double JuliaImag = 0.0;
    double PrevRealCenter = 0.0;
    double PrevImagCenter = 0.0;
    double TotalMagnify = 0.0;
    double TotalAngleDeg = 0.0;
    double Parm1 = 0.0;
    double Parm2 = 0.0;
    double Parm3 = 0.0;
    QString CustomHres;
    QString CustomVres;
    QString ExactRealCenter;
    QString ExactImagCenter;
    QString ExactMagnify;

    bool operator==(const ParamSnapshot&) const = default;
};

ParamSnapshot TakeSnapshot(const FractalParams& params, const PaletteArrays& palette);

// Writes the snapshot back; Banding and palette entries from 234 on keep their current values.
void RestoreSnapshot(const ParamSnapshot& snapshot, FractalParams& params, PaletteArrays& palette);

// The two snapshots the explorer keeps and the four operations on them.
struct SnapshotPair {
    ParamSnapshot Shown;     // the image on screen
    ParamSnapshot Previous;  // the image shown before it

    void SaveShown(const FractalParams& params, const PaletteArrays& palette);
    void SavePrevious(const FractalParams& params, const PaletteArrays& palette);
    void Swap();
    void RestoreShown(FractalParams& params, PaletteArrays& palette) const;
};

}  // namespace zenphra::app
