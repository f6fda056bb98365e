#pragma once

#include <QString>
#include <QStringList>

// What panels send: bare task texts ("lamp1_on.tsk?val=1&bt=2") and the
// keep-alive, with no framing between them.

inline const QString kKeepAlive = QStringLiteral("@Pi@");
inline const QString kKeepAliveAnswer = QStringLiteral("@Po@");

// One chunk of incoming text as separate pieces: every keep-alive stands
// alone, the text between them is one task each; blanks around a piece are
// dropped (a terminal adds a line end), empty pieces are left out.
QStringList splitIncoming(const QString &chunk);

// The part before "?": what scenario rules match on.
QString taskName(const QString &task);

// The value of the task's "val" parameter; without one, everything after "?".
QString taskValue(const QString &task);
