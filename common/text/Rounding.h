#pragma once

#include <QString>

// Whole-number arithmetic of the script library: halves round to the even
// neighbour ("banker's rounding"), products wrap around in 32 bits.
namespace text {

// 2.5 -> 2, 3.5 -> 4, -2.5 -> -2; values beyond 64 bits saturate, NaN gives 0.
qint64 roundHalfEven(double value);

// "-1" unless whole > 0 and part >= 0; else part × 100 / whole rounded half
// to even, as decimal text: (1, 8) -> "12".
QString percentOf(int part, int whole);

// "-1" unless b > 0 and a >= 0; else a / b rounded half to even: (7, 2) -> "4".
QString divRounded(int a, int b);

// The product cut to 32 bits: 65536 × 65536 -> 0.
int mul32(int a, int b);

} // namespace text
