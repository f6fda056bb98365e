#include "ControllerServer.h"

#include "ClientConnection.h"

#include <QTcpSocket>

ControllerServer::ControllerServer(std::chrono::milliseconds gap, QObject *parent)
    : QObject(parent), m_gap(gap) {
    connect(&m_server, &QTcpServer::newConnection, this, &ControllerServer::acceptPending);
}

bool ControllerServer::listen(const QHostAddress &address, quint16 port) {
    return m_server.listen(address, port);
}

bool ControllerServer::broadcast(const QString &message) {
    for (const auto &[id, client] : m_clients)
        client->send(message);
    return !m_clients.empty();
}

bool ControllerServer::sendTo(int clientId, const QString &message) {
    const auto found = m_clients.find(clientId);
    if (found == m_clients.end())
        return false;
    found->second->send(message);
    return true;
}

bool ControllerServer::hasPendingOutput() const {
    for (const auto &[id, client] : m_clients) {
        if (client->hasPendingOutput())
            return true;
    }
    return false;
}

void ControllerServer::acceptPending() {
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        const int id = m_nextId++;
        auto *client = new ClientConnection(socket, m_gap, this);
        const QString peer = client->peer();
        m_clients[id] = client;
        connect(client, &ClientConnection::received, this,
                [this, id, peer](const QString &text) { emit received(id, peer, text); });
        connect(client, &ClientConnection::sent, this,
                [this, id, peer](const QString &message) { emit sent(id, peer, message); });
        connect(client, &ClientConnection::closed, this, [this, id, peer, client] {
            m_clients.erase(id);
            client->deleteLater();
            emit clientDisconnected(id, peer);
        });
        emit clientConnected(id, peer);
    }
}
