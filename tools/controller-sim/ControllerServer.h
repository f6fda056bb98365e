#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <chrono>
#include <map>

class ClientConnection;

// The controller's TCP side: accepts any number of panels and keeps their
// connections open; tells what they send and sends them messages.
class ControllerServer : public QObject {
    Q_OBJECT
public:
    // Panels treat text as one message until 250 ms pass without data.
    static constexpr std::chrono::milliseconds kDefaultGap{300};

    explicit ControllerServer(std::chrono::milliseconds gap = kDefaultGap,
                              QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    int clientCount() const { return int(m_clients.size()); }
    // Returns false when no panel is connected: the message is dropped.
    bool broadcast(const QString &message);
    // Returns false when that panel is gone.
    bool sendTo(int clientId, const QString &message);
    bool hasPendingOutput() const;

signals:
    void clientConnected(int clientId, const QString &peer);
    void clientDisconnected(int clientId, const QString &peer);
    // A task or a keep-alive from a panel.
    void received(int clientId, const QString &peer, const QString &text);
    void sent(int clientId, const QString &peer, const QString &message);

private:
    void acceptPending();

    const std::chrono::milliseconds m_gap;
    QTcpServer m_server;
    std::map<int, ClientConnection *> m_clients;
    int m_nextId = 1;
};
