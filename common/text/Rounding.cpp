#include "text/Rounding.h"

#include <cmath>
#include <limits>

namespace text {
namespace {

QString roundedQuotient(qint64 dividend, int divisor) {
    if (divisor <= 0 || dividend < 0)
        return QStringLiteral("-1");
    return QString::number(roundHalfEven(double(dividend) / divisor));
}

} // namespace

qint64 roundHalfEven(double value) {
    // 2^63 is exact as a double; anything from there on does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (std::isnan(value))
        return 0;
    if (value >= limit)
        return std::numeric_limits<qint64>::max();
    if (value < -limit)
        return std::numeric_limits<qint64>::min();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0);
    return qint64(floor) + (up ? 1 : 0);
}

QString percentOf(int part, int whole) {
    return roundedQuotient(qint64(part) * 100, whole);
}

QString divRounded(int a, int b) {
    return roundedQuotient(a, b);
}

int mul32(int a, int b) {
    return int(quint32(a) * quint32(b));
}

} // namespace text
