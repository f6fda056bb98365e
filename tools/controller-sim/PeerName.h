#pragma once

#include <QHostAddress>
#include <QString>

// How the log names a remote end: IPv4 peers of a dual-stack socket are
// shown as plain IPv4 addresses; a port of 0 is left out.
QString peerName(const QHostAddress &address, quint16 port = 0);
