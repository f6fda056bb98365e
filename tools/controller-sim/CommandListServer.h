#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <chrono>

class QTcpSocket;

// The controller's web side, as far as the designer reads it: the list of
// programmed commands at one path, an XML document whose child elements
// carry `name` (the caption) and `link` (the task). One request per
// connection; everything else is 404.
class CommandListServer : public QObject {
    Q_OBJECT
public:
    static inline const QString kPath = QStringLiteral("/varnex/control_cmd_list_xml.aspx");

    explicit CommandListServer(QByteArray document, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    // A few commands for the demo project.
    static QByteArray demoDocument();
    // The file's bytes, or an empty array and `error` when it cannot be read
    // or is no well-formed XML.
    static QByteArray loadDocument(const QString &path, QString &error);

signals:
    void served(const QString &peer, const QString &requestLine, int status);

private:
    void acceptPending();
    void readRequest(QTcpSocket *socket);
    void respond(QTcpSocket *socket, int status, const QByteArray &contentType,
                 const QByteArray &body);

    const QByteArray m_document;
    QTcpServer m_server;
};
