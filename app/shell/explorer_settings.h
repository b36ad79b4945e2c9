// The explorer's parameters between runs: the 23 values of its section in the settings store.
#pragma once

#include <QString>
#include <optional>

#include "app/common/fractal_params.h"
#include "app/shell/reg_settings.h"

namespace zenphra::app {

inline const QString kExplorerSection = QStringLiteral("frmFractal");

// The parameters and the colormap editor's choice of HLS over RGB.
struct ExplorerSettings {
    FractalParams params;
    bool UsingHLS = false;

    bool operator==(const ExplorerSettings&) const = default;
};

// Writes every value, numbers with "." as the decimal point.
void SaveExplorerSettings(const CRegSettings& store, const ExplorerSettings& settings);

// The stored settings, or nothing on a first run (no "EqnType" value), when the first-run defaults hold
// and nothing else is read. A value that cannot be read or is out of range falls back to its first-run
// default: EqnType must be a supported equation, Rendering a supported rendering, Func1 and Func2 list
// positions, HorRes and VertRes both within 32 to 16384; a NumRanges other than 4 or 8 reads as 2.
std::optional<ExplorerSettings> LoadExplorerSettings(const CRegSettings& store);

}  // namespace zenphra::app
