#pragma once

#include <QString>

// Decimal texts of a double as project scripts expect them: the value is first
// taken to 18 significant digits, then rounded half away from zero to the
// digits shown (so 0.125 with two decimals is "0.13"). "." is the decimal
// point, "," groups thousands; NaN and infinities read "NAN", "INF", "-INF".
namespace text {

// "-d.dddE+ddd": `precision` significant digits (1..18), an exponent of at
// least three digits with its sign.
QString exponentText(double value, int precision);

// "-ddd.ddd": `decimals` digits (0..18) after the point, the integer part
// grouped in thousands when asked.
QString fixedText(double value, int decimals, bool groupThousands);

// At most `precision` significant digits (1..18), trailing zeros dropped; fixed
// notation unless the integer part needs more than `precision` digits or the
// value is below 0.0001, then "d.dddE-ddd" (sign only when negative, at least
// three exponent digits).
QString generalText(double value, int precision);

} // namespace text
