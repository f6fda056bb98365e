#include "LinkWorker.h"

#include "runtime/Messages.h"

#include <QMutexLocker>
#include <QTcpSocket>

namespace {

constexpr quint16 DefaultControllerPort = 8800;

// The controller reads 7-bit text: anything else goes out as "?".
QByteArray toAscii(const QString &text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
    return bytes;
}

quint16 portOf(const QString &text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 && value < 65536 ? quint16(value) : DefaultControllerPort;
}

} // namespace

LinkWorker::LinkWorker(LinkTimings timings, const std::atomic<bool> &mainIsApplying)
    : m_timings(timings), m_mainIsApplying(mainIsApplying) {}

void LinkWorker::Send(const QString &newIp, const QString &newPort, const QString &data) {
    QString busyMessage;
    {
        QMutexLocker lock(&LockCode);
        ip = newIp;
        port = newPort;
        eventID = isConnected ? SendMessage : Connect;
        msg = data;
        if (isBusy)
            busyMessage = QString::fromUtf8(messages::LinkBusy) + data;
    }
    if (!busyMessage.isEmpty()) {
        emit SendResult(1, busyMessage);
        return;
    }
    wake();
}

void LinkWorker::DisConnect() {
    {
        QMutexLocker lock(&LockCode);
        eventID = Disconnect;
        if (isBusy)
            return;
    }
    wake();
}

void LinkWorker::wake() {
    // Like an auto-reset event: several wakes before the thread runs are one.
    if (!m_wakePending.exchange(true))
        QMetaObject::invokeMethod(this, &LinkWorker::Execute, Qt::QueuedConnection);
}

void LinkWorker::Execute() {
    m_wakePending = false;
    int event;
    {
        QMutexLocker lock(&LockCode);
        isBusy = true;
        event = eventID;
    }
    ensureSocket();
    switch (event) {
    case Connect:
        _connect();
        break;
    case SendMessage:
        _SendMsg();
        break;
    case Disconnect:
        _DisconnectTCP();
        break;
    default:
        break;
    }
    QMutexLocker lock(&LockCode);
    isBusy = false;
}

void LinkWorker::ensureSocket() {
    if (m_socket)
        return;
    m_socket = new QTcpSocket(this);
    m_silence = new QTimer(this);
    m_silence->setSingleShot(true);
    m_silence->setInterval(m_timings.silenceMs);
    connect(m_socket, &QTcpSocket::readyRead, this, &LinkWorker::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &LinkWorker::onSocketDisconnected);
    connect(m_silence, &QTimer::timeout, this, &LinkWorker::onSilence);
}

void LinkWorker::_connect() {
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        return;
    QString host;
    QString hostPort;
    {
        QMutexLocker lock(&LockCode);
        host = ip;
        hostPort = port;
    }
    emit Status(QString::fromUtf8(messages::LinkConnecting) + host + QLatin1Char('.'));
    m_socket->connectToHost(host, portOf(hostPort));
    if (!m_socket->waitForConnected(m_timings.connectTimeoutMs)) {
        emit SendResult(1, m_socket->errorString());
        _DisconnectTCP();
        return;
    }
    {
        QMutexLocker lock(&LockCode);
        isConnected = true;
    }
    m_announcedConnection = true;
    m_decoder.resetState();
    allLine.clear();
    emit Status(QString::fromUtf8(messages::LinkConnected));
    emit Connected();
    _SendMsg();
}

void LinkWorker::_SendMsg() {
    QString pending;
    {
        QMutexLocker lock(&LockCode);
        pending = msg;
    }
    if (m_socket->state() != QAbstractSocket::ConnectedState || pending.isEmpty()) {
        emit SendResult(4, QString::fromUtf8(messages::LinkConnectFail) + pending);
        return;
    }
    const QByteArray bytes = toAscii(pending);
    if (m_socket->write(bytes) != bytes.size() ||
        (m_socket->bytesToWrite() > 0 && !m_socket->waitForBytesWritten(m_timings.readTimeoutMs))) {
        emit SendResult(4, m_socket->errorString());
        _DisconnectTCP();
        return;
    }
    QMutexLocker lock(&LockCode);
    // A newer message that came in while this one was written stays pending.
    if (msg == pending)
        msg.clear();
}

void LinkWorker::_DisconnectTCP() {
    {
        QMutexLocker lock(&LockCode);
        isConnected = false;
    }
    // Unread input is dropped with the connection.
    m_socket->abort();
    onSocketDisconnected();
}

void LinkWorker::onSocketDisconnected() {
    if (!m_announcedConnection)
        return;
    m_announcedConnection = false;
    const bool dropped = [this] {
        QMutexLocker lock(&LockCode);
        const bool wasUp = isConnected;
        isConnected = false;
        return wasUp;
    }();
    m_silence->stop();
    allLine.clear();
    emit Status(QString::fromUtf8(messages::LinkDisconnected));
    emit Disconnected();
    // The controller went away while we were reading: reading has ended too.
    if (dropped)
        emit ReceiveEnded();
}

void LinkWorker::onReadyRead() {
    // The decoder keeps a character split across two reads for the next one.
    allLine += m_decoder.decode(m_socket->readAll());
    m_silence->start();
}

void LinkWorker::onSilence() {
    if (allLine.isEmpty())
        return;
    if (m_mainIsApplying) {
        m_silence->start();
        return;
    }
    emit BatchReceived(allLine);
    allLine.clear();
}
