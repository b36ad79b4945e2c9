#include "app/common/exact_location.h"

#include <array>
#include <charconv>
#include <optional>

#include "app/common/valid_num.h"
#include "zenphra.h"

namespace zenphra::app {
namespace {

// The three lines fit the image file's location chunk.
static_assert(3 * (ZENPHRA_DEEP_TEXT_LIMIT + 32) <= ZENPHRA_LOCATION_CAPACITY);

// The decimals the files write their centre and magnification doubles with.
constexpr int kFileDecimals = 20;

// The shortest text that reads back as the double.
QString ShortestText(double value) {
    std::array<char, 32> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return QString::fromLatin1(buffer.data(), int(end - buffer.data()));
}

// A decimal's value written one way only: its sign, its significant digits and the power of ten of the
// first one ("-1.50e3" and "-1500" are both "-15e3"); "0" for zero. For a text the grammar allows.
QString CanonicalDecimal(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    const bool negative = trimmed.startsWith(QLatin1Char('-'));
    if (negative || trimmed.startsWith(QLatin1Char('+'))) at = 1;
    QString digits;
    qint64 pointAfter = -1;  // digits before the point
    for (; at < trimmed.size() && (trimmed[at].isDigit() || trimmed[at] == QLatin1Char('.')); ++at) {
        if (trimmed[at] == QLatin1Char('.')) {
            pointAfter = digits.size();
        } else {
            digits += trimmed[at];
        }
    }
    if (pointAfter < 0) pointAfter = digits.size();
    const qint64 exponent = at < trimmed.size() ? trimmed.mid(at + 1).toLongLong() : 0;
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == QLatin1Char('0')) ++first;
    if (first == digits.size()) return QStringLiteral("0");
    qsizetype last = digits.size();
    while (digits[last - 1] == QLatin1Char('0')) --last;
    return (negative ? QStringLiteral("-") : QString()) + digits.mid(first, last - first) + QLatin1Char('e') +
           QString::number(exponent + pointAfter - first - 1);
}

// The nearest double of a part the deep path takes.
std::optional<double> NearestOfPart(const QString& text) {
    if (text.size() > ZENPHRA_DEEP_TEXT_LIMIT) return std::nullopt;
    return ParseLargeNumber(text);
}

// The nearest double of a part that agrees with a double: written as the files write their doubles,
// both give the same text.
std::optional<double> AgreeingNearest(const QString& exact, double value) {
    const std::optional<double> nearest = NearestOfPart(exact);
    if (!nearest || FormatNum(*nearest, kFileDecimals) != FormatNum(value, kFileDecimals))
        return std::nullopt;
    return nearest;
}

// The nearest double of a line's part when the line is the label's and agrees with the file's double.
std::optional<double> AgreeingPart(const QString& line, const QString& label, double inFile) {
    if (!line.startsWith(label)) return std::nullopt;
    return AgreeingNearest(line.mid(label.size()), inFile);
}

}  // namespace

QStringList ExactLocationLines(const FractalParams& params) {
    const bool addsToDoubles = ExactPartAddsToDouble(params.ExactRealCenter, params.PrevRealCenter) ||
                               ExactPartAddsToDouble(params.ExactImagCenter, params.PrevImagCenter) ||
                               ExactPartAddsToDouble(params.ExactMagnify, params.TotalMagnify);
    if (!addsToDoubles) return {};
    return {kExactRealLabel + ExactPartText(params.ExactRealCenter, params.PrevRealCenter),
            kExactImagLabel + ExactPartText(params.ExactImagCenter, params.PrevImagCenter),
            kExactMagnifyLabel + ExactPartText(params.ExactMagnify, params.TotalMagnify)};
}

bool IsExactLocationLine(const QString& line) {
    return line.startsWith(kExactRealLabel) || line.startsWith(kExactImagLabel) ||
           line.startsWith(kExactMagnifyLabel);
}

bool TakeExactLocation(const QStringList& lines, FractalParams& params) {
    if (lines.size() != 3) return false;
    const std::optional<double> re = AgreeingPart(lines[0], kExactRealLabel, params.PrevRealCenter);
    const std::optional<double> im = AgreeingPart(lines[1], kExactImagLabel, params.PrevImagCenter);
    const std::optional<double> magnify = AgreeingPart(lines[2], kExactMagnifyLabel, params.TotalMagnify);
    if (!re || !im || !magnify || !(*magnify > 0)) return false;
    params.ExactRealCenter = lines[0].mid(kExactRealLabel.size()).trimmed();
    params.ExactImagCenter = lines[1].mid(kExactImagLabel.size()).trimmed();
    params.ExactMagnify = lines[2].mid(kExactMagnifyLabel.size()).trimmed();
    params.PrevRealCenter = *re;
    params.PrevImagCenter = *im;
    params.TotalMagnify = *magnify;
    return true;
}

bool ExactPartInForce(const QString& exact, double nearest) {
    return !exact.isEmpty() && AgreeingNearest(exact, nearest).has_value();
}

bool ExactPartAddsToDouble(const QString& exact, double nearest) {
    return ExactPartInForce(exact, nearest) &&
           CanonicalDecimal(exact) != CanonicalDecimal(ShortestText(nearest));
}

QString ExactPartOfText(const QString& text, double nearest) {
    const QString part = text.trimmed();
    if (!NearestOfPart(part) || !ExactPartAddsToDouble(part, nearest)) return QString();
    if (CanonicalDecimal(part) == CanonicalDecimal(FormatNum(nearest, kFileDecimals))) return QString();
    return part;
}

QString ShortestExponentText(double value) {
    std::array<char, 32> buffer;
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific).ptr;
    return QString::fromLatin1(buffer.data(), int(end - buffer.data()));
}

QString MagnificationInBrief(const FractalParams& params) {
    const QString canonical = CanonicalDecimal(ExactPartText(params.ExactMagnify, params.TotalMagnify));
    const qsizetype e = canonical.indexOf(QLatin1Char('e'));
    if (e < 0) return canonical;  // zero
    QString digits = canonical.left(e) + QStringLiteral("000");
    digits.remove(QLatin1Char('-'));
    qint64 power = canonical.mid(e + 1).toLongLong();
    int twoDigits = (digits.left(3).toInt() + 5) / 10;  // 10 to 100
    if (twoDigits == 100) {
        twoDigits = 10;
        ++power;
    }
    const QString sign = canonical.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    const QString mantissa = twoDigits % 10 == 0
                                 ? QString::number(twoDigits / 10)
                                 : QStringLiteral("%1.%2").arg(twoDigits / 10).arg(twoDigits % 10);
    return sign + mantissa + QLatin1Char('e') + QString::number(power);
}

QString ExactPartText(const QString& exact, double nearest) {
    return ExactPartInForce(exact, nearest) ? exact : ShortestText(nearest);
}

bool HasExactLocationInForce(const FractalParams& params) {
    return ExactPartInForce(params.ExactRealCenter, params.PrevRealCenter) ||
           ExactPartInForce(params.ExactImagCenter, params.PrevImagCenter) ||
           ExactPartInForce(params.ExactMagnify, params.TotalMagnify);
}

}  // namespace zenphra::app
