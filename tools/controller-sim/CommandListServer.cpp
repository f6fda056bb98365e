#include "CommandListServer.h"

#include "PeerName.h"

#include <QFile>
#include <QTcpSocket>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// A request head longer than this is no designer's.
constexpr qsizetype kMaxHeadBytes = 16 * 1024;
// Connections that never complete a request are dropped.
constexpr std::chrono::seconds kRequestTimeout{5};

const char *reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

} // namespace

CommandListServer::CommandListServer(QByteArray document, QObject *parent)
    : QObject(parent), m_document(std::move(document)) {
    connect(&m_server, &QTcpServer::newConnection, this, &CommandListServer::acceptPending);
}

bool CommandListServer::listen(const QHostAddress &address, quint16 port) {
    return m_server.listen(address, port);
}

QByteArray CommandListServer::demoDocument() {
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="utf-8"?>
<commands>
  <cmd name="Projector on" link="projector_on.tsk"/>
  <cmd name="Screen down" link="screen_down.tsk"/>
  <cmd name="Lighting scene 1" link="lights_scene1.tsk"/>
  <cmd name="Lamp 1 on" link="lamp1_on.tsk"/>
  <cmd name="Lamp 1 off" link="lamp1_off.tsk"/>
  <cmd name="Lamp 2 on" link="lamp2_on.tsk"/>
  <cmd name="Lamp 2 off" link="lamp2_off.tsk"/>
  <cmd name="全部关闭" link="scene_all_off.tsk"/>
</commands>
)");
}

QByteArray CommandListServer::loadDocument(const QString &path, QString &error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error =
            QStringLiteral("%1: cannot read the command list: %2").arg(path, file.errorString());
        return {};
    }
    const QByteArray document = file.readAll();
    QXmlStreamReader reader(document);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        error = QStringLiteral("%1:%2: the command list is no well-formed XML: %3")
                    .arg(path)
                    .arg(reader.lineNumber())
                    .arg(reader.errorString());
        return {};
    }
    return document;
}

void CommandListServer::acceptPending() {
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kRequestTimeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void CommandListServer::readRequest(QTcpSocket *socket) {
    const QString peer = peerName(socket->peerAddress(), socket->peerPort());
    const QByteArray head = socket->peek(kMaxHeadBytes + 1);
    const qsizetype headEnd = head.indexOf("\r\n\r\n");
    if (headEnd < 0) {
        if (head.size() > kMaxHeadBytes) {
            respond(socket, 431, "text/plain", QByteArray(reasonPhrase(431)) + '\n');
            emit served(peer, QStringLiteral("(request head too large)"), 431);
        }
        return;
    }
    socket->readAll();
    const QByteArray requestLine = head.left(head.indexOf("\r\n"));
    const QList<QByteArray> parts = requestLine.split(' ');
    int status = 200;
    if (parts.size() != 3 || !parts.at(2).startsWith("HTTP/"))
        status = 400;
    else if (parts.at(0) != "GET")
        status = 405;
    else if (QString::fromUtf8(parts.at(1).split('?').constFirst()) != kPath)
        status = 404;
    if (status == 200)
        respond(socket, status, "text/xml; charset=utf-8", m_document);
    else
        respond(socket, status, "text/plain", QByteArray(reasonPhrase(status)) + '\n');
    emit served(peer, QString::fromUtf8(requestLine), status);
}

void CommandListServer::respond(QTcpSocket *socket, int status, const QByteArray &contentType,
                                const QByteArray &body) {
    // Whatever else the client sends on this connection is not read.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                          "\r\nContent-Type: " + contentType +
                          "\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\nConnection: close\r\n";
    if (status == 405)
        response += "Allow: GET\r\n";
    socket->write(response + "\r\n" + body);
    socket->disconnectFromHost();
}
