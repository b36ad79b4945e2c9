#include "app/explorer/valid_num.h"

#include <QRegularExpression>
#include <array>
#include <charconv>

#include "app/shell/engine_api.h"

namespace zenphra::app {

QString FormatNum(double value, int decimals) {
    std::array<char, 400> buffer;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc()) return QStringLiteral("0");
    QString text = QString::fromLatin1(buffer.data(), static_cast<int>(end - buffer.data()));
    const bool showsZero = !text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (showsZero && text.startsWith(QLatin1Char('-'))) text.remove(0, 1);
    return text;
}

double StrToDbl(const QString& text) {
    double value = 0.0;
    Engine().StringToDouble(text.toLatin1().constData(), &value);
    return value;
}

}  // namespace zenphra::app
