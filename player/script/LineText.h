#pragma once

#include <QChar>
#include <QString>

// Character and number rules of the line-oriented script language, shared by
// its engine and its function library.

// A name character: digit, ASCII letter, "`", "_", "." or "-".
bool isASCII(QChar c);
// A digit or ".": what starts a number argument.
bool isnumber(QChar c);

// The text without leading and trailing blanks and control characters
// (every character up to the blank).
QString trimBlanks(const QString &text);

// An optional sign followed by decimal digits that fit 32 bits.
bool StrISNumber(const QString &text);
// The integer the text holds, or `fallback` when it holds none.
qint32 StrToIntDef(const QString &text, qint32 fallback);
