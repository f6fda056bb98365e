#pragma once

#include <QChar>
#include <QString>

#include <array>

struct ParaDb;
// Character 0, -1 and empty texts everywhere.
void ReSetParadb(ParaDb &mypara);

// The arguments of one call of a line-oriented script, sorted by kind: each
// kind fills its own array in order of appearance.
struct ParaDb {
    static constexpr int Size = 11;
    // The parser fills at most this many of each kind; the last entry keeps
    // its reset value.
    static constexpr int Filled = 10;

    std::array<QChar, Size> Achar;
    std::array<qint32, Size> Asingle;
    std::array<QString, Size> AString;
    qint32 AValueType = 0;
    qint32 AValueID = 0;

    ParaDb() { ReSetParadb(*this); }
};

inline void ReSetParadb(ParaDb &mypara) {
    mypara.Achar.fill(QChar(0));
    mypara.Asingle.fill(-1);
    mypara.AString.fill(QString());
}
