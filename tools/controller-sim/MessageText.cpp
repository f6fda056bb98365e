#include "MessageText.h"

QString unescapeMessage(const QString &oneLine) {
    QString text;
    text.reserve(oneLine.size());
    for (qsizetype i = 0; i < oneLine.size(); ++i) {
        const QChar c = oneLine.at(i);
        if (c != u'\\' || i + 1 == oneLine.size()) {
            text += c;
            continue;
        }
        const QChar next = oneLine.at(i + 1);
        if (next == u'n')
            text += u'\n';
        else if (next == u'r')
            text += u'\r';
        else if (next == u't')
            text += u'\t';
        else if (next == u'\\')
            text += u'\\';
        else {
            text += c;
            continue;
        }
        ++i;
    }
    return text;
}

QString printableMessage(const QString &text) {
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n')
            line += QStringLiteral("\\n");
        else if (c == u'\r')
            line += QStringLiteral("\\r");
        else if (c == u'\t')
            line += QStringLiteral("\\t");
        else if (c == u'\\')
            line += QStringLiteral("\\\\");
        else
            line += c;
    }
    return line;
}
