#include "cli/frame_range.h"

#include <QStringList>

#include "app/common/text_lines.h"

namespace zenphra::cli {

std::optional<FrameRange> ParseFrameRange(const QString& text, int32_t frames) {
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() > 2) return std::nullopt;
    const std::optional<int32_t> first = app::ParseInt32(ends.constFirst());
    const std::optional<int32_t> last = app::ParseInt32(ends.constLast());
    // The numbers take no sign: "+2-4" is no range ("-3" splits into an empty first number).
    if (text.contains(QLatin1Char('+'))) return std::nullopt;
    if (!first || !last || *first < 1 || *first > *last || *last > frames) return std::nullopt;
    return FrameRange{*first - 1, *last};
}

}  // namespace zenphra::cli
