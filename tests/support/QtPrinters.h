#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failure messages for Qt's text types in every test.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out) {
    *out << '{';
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0)
            *out << ", ";
        PrintTo(list.at(i), out);
    }
    *out << '}';
}
