// The three commands of the explorer's window menu: allowing or removing image banding, the tutorial and
// the About box. The banding item and the banding label always say what `Banding` holds: at start-up,
// after each toggle and after each image or parameter entry that is loaded.
#pragma once

#include <QString>
#include <cstdint>

namespace zenphra::app {

inline const QString kTutorialCommandText = QStringLiteral("&Tutorial");
inline const QString kAboutCommandText = QStringLiteral("&About QVFractals");

// "Remove Image &Banding" while banding is allowed (non-zero), "Allow Image &Banding" while it is not.
QString BandingCommandText(int32_t banding);
// "Banding :  ON" or "Banding :  OFF".
QString BandingLabelText(int32_t banding);

}  // namespace zenphra::app
