#include "PeerName.h"

QString peerName(const QHostAddress &address, quint16 port) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    const QString host = isV4 ? QHostAddress(v4).toString() : address.toString();
    return port == 0 ? host : host + QLatin1Char(':') + QString::number(port);
}
