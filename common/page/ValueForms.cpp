#include "page/ValueForms.h"

namespace page {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isX(QChar c) {
    return c == u'x' || c == u'X';
}

} // namespace

std::optional<int32_t> parseInteger(const QString &text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == u'$' || isX(text[i]))) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && isX(text[i + 1])) {
        hex = true;
        i += 2;
    }
    if (i == n)
        return std::nullopt;

    // Hexadecimal spans the full 32-bit pattern ("$FFFFFFFF" is -1); decimal
    // must fit a signed value, whose negative side reaches one further.
    const uint64_t base = hex ? 16 : 10;
    const uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0 || uint64_t(digit) >= base)
            return std::nullopt;
        magnitude = magnitude * base + uint64_t(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    const uint32_t pattern = uint32_t(magnitude);
    return int32_t(negative ? 0u - pattern : pattern);
}

int32_t readInteger(const QString &text, int32_t fallback) {
    return parseInteger(text).value_or(fallback);
}

uint32_t readColour(const QString &text, uint32_t fallback) {
    const std::optional<int32_t> value = parseInteger(text);
    return value ? uint32_t(*value) : fallback;
}

bool readFlagExactTrue(const QString &text) {
    return text == u"true";
}

bool readFlagTrueAnyCase(const QString &text) {
    return text.compare(u"TRUE", Qt::CaseInsensitive) == 0;
}

} // namespace page
