#include "cli/strip_choice.h"

#include <QStringList>

#include "app/common/text_lines.h"

namespace zenphra::cli {

std::optional<StripChoice> ParseStripChoice(const QString& text) {
    const QStringList numbers = text.split(QLatin1Char('/'));
    if (numbers.size() != 2 || text.contains(QLatin1Char('+')) || text.contains(QLatin1Char('-'))) {
        return std::nullopt;
    }
    const std::optional<int32_t> index = app::ParseInt32(numbers[0]);
    const std::optional<int32_t> count = app::ParseInt32(numbers[1]);
    if (!index || !count || *index < 1 || *index > *count) return std::nullopt;
    return StripChoice{*index, *count};
}

int32_t MostStrips(int32_t height) { return height / 2; }

RowSpan StripRows(const StripChoice& strip, int32_t height) {
    const auto boundary = [&](int32_t k) { return static_cast<int32_t>(int64_t{height} * k / strip.count); };
    return {boundary(strip.index - 1), boundary(strip.index)};
}

QString StripPath(const QString& output, const StripChoice& strip) {
    const qsizetype extensionLength = 4;  // ".png", in whatever case it was given
    const int digits = static_cast<int>(QString::number(strip.count).size());
    return output.chopped(extensionLength) +
           QStringLiteral("-strip-%1-of-%2").arg(strip.index, digits, 10, QLatin1Char('0')).arg(strip.count) +
           output.right(extensionLength);
}

}  // namespace zenphra::cli
