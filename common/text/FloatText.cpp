#include "text/FloatText.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace text {
namespace {

constexpr int maxDigits = 18;

// value = 0.digits × 10^exponent; no leading or trailing zeros, empty for zero.
struct Decimal {
    bool negative = false;
    QByteArray digits;
    int exponent = 0;

    char at(int index) const {
        return index >= 0 && index < digits.size() ? digits.at(index) : '0';
    }
};

void dropTrailingZeros(Decimal &d) {
    while (!d.digits.isEmpty() && d.digits.endsWith('0'))
        d.digits.chop(1);
    if (d.digits.isEmpty()) {
        d.negative = false;
        d.exponent = 0;
    }
}

Decimal toDecimal(double value) {
    // "%.17e" writes the correctly rounded 18 significant digits: "-d.ddde+x".
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", maxDigits - 1, value);
    const QByteArray written(buffer);
    const int e = written.indexOf('e');
    Decimal d;
    d.negative = written.startsWith('-');
    d.digits = written.left(e).remove(0, d.negative ? 1 : 0).replace(".", "");
    d.exponent = std::atoi(buffer + e + 1) + 1;
    dropTrailingZeros(d);
    return d;
}

// Keeps the first `kept` digits, rounding half away from zero.
void roundTo(Decimal &d, int kept) {
    if (kept >= d.digits.size())
        return;
    const bool up = kept >= 0 && d.digits.at(kept) >= '5';
    d.digits.truncate(std::max(kept, 0));
    if (up) {
        while (!d.digits.isEmpty() && d.digits.endsWith('9'))
            d.digits.chop(1);
        if (d.digits.isEmpty()) {
            d.digits = "1";
            ++d.exponent;
        } else {
            ++d.digits.back();
        }
    }
    dropTrailingZeros(d);
}

bool isSpecial(double value, QString *out) {
    if (std::isnan(value))
        *out = QStringLiteral("NAN");
    else if (std::isinf(value))
        *out = value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    else
        return false;
    return true;
}

QString sign(const Decimal &d) {
    return d.negative ? QStringLiteral("-") : QString();
}

QString exponentPart(int exponent, bool plusSign) {
    QString out = QStringLiteral("E");
    if (exponent < 0)
        out += QLatin1Char('-');
    else if (plusSign)
        out += QLatin1Char('+');
    return out + QString::number(std::abs(exponent)).rightJustified(3, QLatin1Char('0'));
}

QString groupedInThousands(const QString &digits) {
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

} // namespace

QString exponentText(double value, int precision) {
    QString out;
    if (isSpecial(value, &out))
        return out;
    precision = std::clamp(precision, 1, maxDigits);
    Decimal d = toDecimal(value);
    roundTo(d, precision);
    out = sign(d) + QLatin1Char(d.at(0));
    if (precision > 1)
        out += QLatin1Char('.');
    for (int i = 1; i < precision; ++i)
        out += QLatin1Char(d.at(i));
    return out + exponentPart(d.digits.isEmpty() ? 0 : d.exponent - 1, true);
}

QString fixedText(double value, int decimals, bool groupThousands) {
    QString out;
    if (isSpecial(value, &out))
        return out;
    decimals = std::clamp(decimals, 0, maxDigits);
    Decimal d = toDecimal(value);
    roundTo(d, d.exponent + decimals);
    QString integer = QStringLiteral("0");
    if (d.exponent > 0) {
        integer.clear();
        for (int i = 0; i < d.exponent; ++i)
            integer += QLatin1Char(d.at(i));
    }
    out = sign(d) + (groupThousands ? groupedInThousands(integer) : integer);
    if (decimals > 0)
        out += QLatin1Char('.');
    for (int i = 0; i < decimals; ++i)
        out += QLatin1Char(d.at(d.exponent + i));
    return out;
}

QString generalText(double value, int precision) {
    QString out;
    if (isSpecial(value, &out))
        return out;
    precision = std::clamp(precision, 1, maxDigits);
    Decimal d = toDecimal(value);
    roundTo(d, precision);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent > precision || d.exponent < -3) {
        out = sign(d) + digits.left(1);
        if (digits.size() > 1)
            out += QLatin1Char('.') + digits.mid(1);
        return out + exponentPart(d.exponent - 1, false);
    }
    if (d.exponent <= 0)
        return sign(d) + QStringLiteral("0.") + QString(-d.exponent, QLatin1Char('0')) + digits;
    out = sign(d) + digits.left(d.exponent).leftJustified(d.exponent, QLatin1Char('0'));
    if (digits.size() > d.exponent)
        out += QLatin1Char('.') + digits.mid(d.exponent);
    return out;
}

} // namespace text
