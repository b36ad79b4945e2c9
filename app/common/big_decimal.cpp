#include "app/common/big_decimal.h"

namespace zenphra::app {

QString ExponentText(mpfr_ptr x, int digits) {
    char* text = nullptr;
    mpfr_asprintf(&text, "%.*Re", digits - 1, x);
    const QString result = QString::fromLatin1(text);
    mpfr_free_str(text);
    return result;
}

QString PointText(mpfr_ptr x, int decimals) {
    char* text = nullptr;
    mpfr_asprintf(&text, "%.*Rf", decimals, x);
    QString result = QString::fromLatin1(text);
    mpfr_free_str(text);
    if (result.contains(QLatin1Char('.'))) {
        while (result.endsWith(QLatin1Char('0'))) result.chop(1);
        if (result.endsWith(QLatin1Char('.'))) result.chop(1);
    }
    if (result == QStringLiteral("-0")) result = QStringLiteral("0");
    return result;
}

double RoughLog2(const QString& decimal) {
    BigDecimal value(64, decimal);
    long exponent = 0;
    mpfr_get_d_2exp(&exponent, value.get(), MPFR_RNDN);
    return double(exponent);
}

}  // namespace zenphra::app
