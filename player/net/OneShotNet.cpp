#include "OneShotNet.h"

#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QUrl>

#include <functional>

namespace net {

namespace {

const QByteArray UserAgent =
    "Mozilla/5.0 (Windows; U; Windows NT 5.2) AppleWebKit/525.13 (KHTML, like Gecko) "
    "Chrome/0.2.149.27 Safari/525.13";

// Shorter time-outs from scripts are taken as "use the default".
constexpr int ShortestTimeoutMs = 100;
constexpr int GetTimeoutMs = 2000;
constexpr int PostTimeoutMs = 3000;
constexpr int MemoryTimeoutMs = 5000;

constexpr quint16 DefaultTcpPort = 8800;
// A TCP reply is complete once the peer stays silent this long.
constexpr int ReplyGatherWaitMs = 250;

int readTimeoutOf(int requestedMs, int defaultMs) {
    return requestedMs >= ShortestTimeoutMs ? requestedMs : defaultMs;
}

// Blocking socket calls take -1 for "no limit of our own".
int socketWaitOf(int timeoutMs) {
    return timeoutMs > 0 ? timeoutMs : -1;
}

QNetworkRequest requestFor(const QString &url, int readTimeoutMs) {
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("User-Agent", UserAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // Aborts when no data moves for this long, like a read time-out.
    request.setTransferTimeout(readTimeoutMs);
    return request;
}

// Runs one request to its end in a loop of its own, so it works on any
// thread, whether or not that thread runs an event loop. Empty on any error,
// HTTP error statuses included.
QByteArray perform(const std::function<QNetworkReply *(QNetworkAccessManager &)> &send) {
    QNetworkAccessManager manager;
    QNetworkReply *reply = send(manager);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QByteArray body =
        reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    delete reply;
    return body;
}

QByteArray get(const QString &url, int readTimeoutMs) {
    QNetworkRequest request = requestFor(url, readTimeoutMs);
    request.setRawHeader("Accept-Charset", "UTF-8");
    request.setRawHeader("Content-Encoding", "utf-8");
    return perform([&](QNetworkAccessManager &manager) { return manager.get(request); });
}

QByteArray asciiOf(const QString &text) {
    QByteArray bytes;
    const QList<uint> characters = text.toUcs4();
    bytes.reserve(characters.size());
    for (const uint character : characters)
        bytes.append(character < 0x80 ? char(character) : '?');
    return bytes;
}

// A literal address, else the first IPv4 address of the name (or any one).
QHostAddress addressOf(const QString &host) {
    const QHostAddress literal(host);
    if (!literal.isNull())
        return literal;
    const QList<QHostAddress> addresses = QHostInfo::fromName(host).addresses();
    for (const QHostAddress &address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    return addresses.value(0);
}

} // namespace

QString idHttpGet(const QString &url, int timeoutMs) {
    return QString::fromUtf8(get(url, readTimeoutOf(timeoutMs, GetTimeoutMs)));
}

QString idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs) {
    QFile file(postDataFile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QNetworkRequest request = requestFor(url, readTimeoutOf(timeoutMs, PostTimeoutMs));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("application/octet-stream"));
    return QString::fromUtf8(
        perform([&](QNetworkAccessManager &manager) { return manager.post(request, &file); }));
}

QByteArray idHttpGetToMemoryStream(const QString &url, int timeoutMs) {
    return get(url, readTimeoutOf(timeoutMs, MemoryTimeoutMs));
}

void idSendUDP(const QString &host, quint16 port, const QString &data, int /*timeoutMs*/) {
    const QHostAddress address = addressOf(host);
    if (address.isNull())
        return;
    QUdpSocket socket;
    socket.writeDatagram(data.toUtf8(), address, port);
}

QString idSendTCP(const QString &host, const QString &port, const QString &data, int timeoutMs) {
    const int waitMs = socketWaitOf(timeoutMs);
    // Leaving scope disconnects and drops any unread input.
    QTcpSocket socket;
    socket.connectToHost(host, tcpPortOf(port));
    if (!socket.waitForConnected(waitMs))
        return QString();
    socket.write(asciiOf(data));
    if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(waitMs))
        return QString();
    // Keeps a character whose bytes arrive in two pieces whole.
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString reply;
    // Writing may already have taken in part of the answer.
    while (socket.bytesAvailable() > 0 || socket.waitForReadyRead(ReplyGatherWaitMs))
        reply += decoder.decode(socket.readAll());
    return reply;
}

quint16 tcpPortOf(const QString &port) {
    bool isNumber = false;
    const int value = port.toInt(&isNumber);
    return isNumber ? quint16(value) : DefaultTcpPort;
}

} // namespace net
