#include "cli/number_pair.h"

#include <QStringList>

#include "app/common/valid_num.h"

namespace zenphra::cli {

std::optional<std::pair<double, double>> ParsePair(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2) return std::nullopt;
    const std::optional<double> first = app::ParseNumber(parts[0]);
    const std::optional<double> second = app::ParseNumber(parts[1]);
    if (!first || !second) return std::nullopt;
    return std::pair(*first, *second);
}

}  // namespace zenphra::cli
