// The custom image size typed into the resolution dialog: both sides from 32 to 4096 pixels.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zenphra::app {

inline constexpr int32_t kSmallestCustomSide = 32;
inline constexpr int32_t kLargestCustomSide = 4096;

struct CustomResolution {
    int32_t HorRes = 0;
    int32_t VertRes = 0;
    QString CustomHres;  // the texts as typed, without surrounding blanks
    QString CustomVres;
};

// The size the two texts give, or nothing after showing why it cannot be used: a missing side first,
// then a side below the minimum (either side), then one above the maximum. A digit string too long for
// a whole number counts as above the maximum.
std::optional<CustomResolution> ReadCustomResolution(const QString& horText, const QString& vertText);

}  // namespace zenphra::app
