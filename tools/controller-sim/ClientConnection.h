#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <chrono>

class QTcpSocket;

// One connected panel. Incoming chunks are split into tasks and keep-alives
// (a keep-alive is answered here); outgoing messages are queued and each is
// written in one piece with at least `gap` of silence before the next, since
// a panel cuts what it receives into messages at pauses.
class ClientConnection : public QObject {
    Q_OBJECT
public:
    ClientConnection(QTcpSocket *socket, std::chrono::milliseconds gap, QObject *parent = nullptr);

    QString peer() const { return m_peer; }
    void send(const QString &message);
    // Messages queued or bytes not yet handed to the system.
    bool hasPendingOutput() const;

signals:
    void received(const QString &text);
    void sent(const QString &message);
    void closed();

private:
    void readIncoming();
    void writeNext();

    QTcpSocket *m_socket;
    const std::chrono::milliseconds m_gap;
    QString m_peer;
    QQueue<QString> m_pending;
    QTimer m_gapTimer;
    QElapsedTimer m_sinceLastWrite;
};
