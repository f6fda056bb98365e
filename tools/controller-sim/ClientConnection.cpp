#include "ClientConnection.h"

#include "PeerName.h"
#include "TaskText.h"

#include <QTcpSocket>

ClientConnection::ClientConnection(QTcpSocket *socket, std::chrono::milliseconds gap,
                                   QObject *parent)
    : QObject(parent), m_socket(socket), m_gap(gap),
      m_peer(peerName(socket->peerAddress(), socket->peerPort())) {
    m_socket->setParent(this);
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_gapTimer, &QTimer::timeout, this, &ClientConnection::writeNext);
    connect(m_socket, &QTcpSocket::readyRead, this, &ClientConnection::readIncoming);
    connect(m_socket, &QTcpSocket::disconnected, this, &ClientConnection::closed);
}

void ClientConnection::send(const QString &message) {
    m_pending.enqueue(message);
    if (!m_gapTimer.isActive())
        writeNext();
}

bool ClientConnection::hasPendingOutput() const {
    return !m_pending.isEmpty() || m_socket->bytesToWrite() > 0;
}

void ClientConnection::readIncoming() {
    const QString chunk = QString::fromUtf8(m_socket->readAll());
    for (const QString &piece : splitIncoming(chunk)) {
        emit received(piece);
        if (piece == kKeepAlive)
            send(kKeepAliveAnswer);
    }
}

void ClientConnection::writeNext() {
    if (m_pending.isEmpty())
        return;
    if (m_sinceLastWrite.isValid()) {
        const auto quiet = std::chrono::milliseconds(m_sinceLastWrite.elapsed());
        if (quiet < m_gap) {
            m_gapTimer.start(m_gap - quiet);
            return;
        }
    }
    const QString message = m_pending.dequeue();
    m_socket->write(message.toUtf8());
    m_socket->flush();
    m_sinceLastWrite.start();
    emit sent(message);
    if (!m_pending.isEmpty())
        m_gapTimer.start(m_gap);
}
