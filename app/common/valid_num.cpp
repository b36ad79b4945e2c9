#include "app/common/valid_num.h"

#include <QRegularExpression>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/common/engine_api.h"
#include "app/common/text_lines.h"

namespace zenphra::app {
namespace {

bool IsDigitKey(int keyCode) { return keyCode >= '0' && keyCode <= '9'; }

}  // namespace

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

namespace {

// The number the text holds, infinite when it lies beyond a double's range.
std::optional<double> MatchedNumber(QStringView text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!number.match(text.toString()).hasMatch()) return std::nullopt;
    return StrToDbl(text.toString());
}

}  // namespace

std::optional<double> ParseNumber(QStringView text) {
    const std::optional<double> value = MatchedNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::optional<double> ParseLargeNumber(QStringView text) {
    const std::optional<double> value = MatchedNumber(text);
    if (value && std::isinf(*value)) return std::copysign(std::numeric_limits<double>::max(), *value);
    return value;
}

int ValidIntKey(int keyCode, const QString&) {
    return IsDigitKey(keyCode) || keyCode == kBackspaceKey ? keyCode : 0;
}

int ValidSignedKey(int keyCode, const QString& text) {
    if (keyCode == '-') return keyCode;
    return ValidUnsignedKey(keyCode, text);
}

int ValidUnsignedKey(int keyCode, const QString& text) {
    if (keyCode == '.') return text.contains(QLatin1Char('.')) ? 0 : keyCode;
    return ValidIntKey(keyCode, text);
}

int ValidMagnifyKey(int keyCode, const QString& text) {
    if (keyCode == 'e' || keyCode == 'E' || keyCode == '+') return keyCode;
    return ValidSignedKey(keyCode, text);
}

bool ValidChars(const QString& text, const QString& allowed) {
    bool valid =
        !text.isEmpty() && text.count(QLatin1Char('.')) <= 1 && text.lastIndexOf(QLatin1Char('-')) <= 0;
    for (const QChar c : text) valid = valid && allowed.contains(c);
    return valid;
}

QString InvalidValueMessage(const QString& fieldName) {
    return QStringLiteral("The value for ") + fieldName + QStringLiteral(" is invalid.");
}

}  // namespace zenphra::app
