#include "app/shell/custom_resolution.h"

#include <limits>

#include "app/common/messages.h"
#include "app/common/text_lines.h"

namespace zenphra::app {
namespace {

int32_t SideOf(const QString& text) { return ParseInt32(text).value_or(std::numeric_limits<int32_t>::max()); }

}  // namespace

std::optional<CustomResolution> ReadCustomResolution(const QString& horText, const QString& vertText) {
    const QString hor = horText.trimmed();
    const QString vert = vertText.trimmed();
    if (hor.isEmpty() || vert.isEmpty()) {
        ShowMessage(QStringLiteral("Resolution value(s) missing."));
        return std::nullopt;
    }
    const int32_t width = SideOf(hor);
    const int32_t height = SideOf(vert);
    if (width < kSmallestCustomSide || height < kSmallestCustomSide) {
        ShowMessage(QStringLiteral("Minimum resolution is 32 pixels."));
        return std::nullopt;
    }
    if (width > kLargestCustomSide || height > kLargestCustomSide) {
        ShowMessage(QStringLiteral("Maximum resolution is 4096 pixels."));
        return std::nullopt;
    }
    return CustomResolution{width, height, hor, vert};
}

}  // namespace zenphra::app
