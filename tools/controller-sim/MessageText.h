#pragma once

#include <QString>

// Messages are typed on one line (a scenario line, a line of standard input)
// but may need line breaks; these turn between the one-line form and the text.

// "\n", "\r", "\t" and "\\" become line feed, carriage return, tab and a
// backslash; any other backslash stays as it is, so code keeps its own escapes.
QString unescapeMessage(const QString &oneLine);

// The reverse for the log: control characters shown as escapes, one line.
QString printableMessage(const QString &text);
