#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The value forms of page files. Every reader takes the attribute's text and
// the default of that attribute; text that is not of the form gives the default.
namespace page {

// 32-bit signed decimal with an optional sign, leading blanks skipped; a
// leading "$", "x" or "0x" (x in either case) marks hexadecimal. Decimals,
// trailing characters or values outside 32 bits are unreadable.
std::optional<int32_t> parseInteger(const QString &text);
int32_t readInteger(const QString &text, int32_t fallback);

// ARGB colour written as signed decimal: opaque black is -16777216, white -1.
// An unsigned value above 2147483647 does not fit and gives the fallback.
uint32_t readColour(const QString &text, uint32_t fallback);

// Flag "true": on only for the exact text "true".
bool readFlagExactTrue(const QString &text);
// Flag TRUE: on when the text equals "TRUE" ignoring case.
bool readFlagTrueAnyCase(const QString &text);

} // namespace page
