#pragma once

#include <QByteArray>
#include <QString>

// Blocking one-shot requests for scripts. Each call builds its own client on
// the calling thread, waits for the answer there and releases everything
// before it returns, so several script workers can use them at once. Failures
// give an empty result; nothing is thrown or shown.
namespace net {

// The response body decoded as UTF-8. A time-out below 100 ms means 2000 ms.
QString idHttpGet(const QString &url, int timeoutMs);

// Posts the content of the file postDataFile and returns the response text;
// a missing file sends nothing. A time-out below 100 ms means 3000 ms.
QString idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs);

// The response body as bytes. A time-out below 100 ms means 5000 ms.
QByteArray idHttpGetToMemoryStream(const QString &url, int timeoutMs);

// Sends data as one UTF-8 datagram; no answer is awaited and the time-out
// has no effect.
void idSendUDP(const QString &host, quint16 port, const QString &data, int timeoutMs);

// Sends data as ASCII ('?' for any other character) and returns what the
// peer answers until it stays silent for a moment. timeoutMs limits the
// connect and the write; 0 or less leaves them to the system.
QString idSendTCP(const QString &host, const QString &port, const QString &data, int timeoutMs);

// The port a TCP request goes to: the text as an integer (low 16 bits), or
// 8800 when it is not one.
quint16 tcpPortOf(const QString &port);

} // namespace net
