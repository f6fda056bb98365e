#include "script/LineText.h"

#include <optional>

namespace {

std::optional<qint32> toInt32(const QString &text) {
    int pos = 0;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'+' || text.at(pos) == u'-')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    // One past the largest magnitude keeps the lowest 32-bit value reachable.
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -value : value);
}

} // namespace

bool isASCII(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'`' || c == u'_' || c == u'.' || c == u'-';
}

bool isnumber(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

QString trimBlanks(const QString &text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) <= u' ')
        ++first;
    while (last > first && text.at(last - 1) <= u' ')
        --last;
    return text.mid(first, last - first);
}

bool StrISNumber(const QString &text) {
    return toInt32(text).has_value();
}

qint32 StrToIntDef(const QString &text, qint32 fallback) {
    return toInt32(text).value_or(fallback);
}
