#include "CommandListServer.h"
#include "TempFolder.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// The whole response to one raw request, as the server closes after it.
QByteArray exchange(quint16 port, const QByteArray &request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(2000))
        return {};
    socket.write(request);
    QSignalSpy closed(&socket, &QTcpSocket::disconnected);
    QByteArray response;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { response += socket.readAll(); });
    closed.wait(2000);
    return response + socket.readAll();
}

struct RequestCase {
    const char *request;
    const char *statusLine;
};

class HttpRequests : public testing::TestWithParam<RequestCase> {};

TEST_P(HttpRequests, GetTheirStatus) {
    CommandListServer server(CommandListServer::demoDocument());
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const QByteArray response = exchange(server.port(), GetParam().request);
    EXPECT_EQ(response.left(response.indexOf("\r\n")), QByteArray(GetParam().statusLine));
}

INSTANTIATE_TEST_SUITE_P(
    CommandListServer, HttpRequests,
    testing::Values(
        RequestCase{"GET /varnex/control_cmd_list_xml.aspx?=10:11:12 HTTP/1.1\r\nHost: x\r\n\r\n",
                    "HTTP/1.1 200 OK"},
        RequestCase{"GET /varnex/control_cmd_list_xml.aspx HTTP/1.0\r\n\r\n", "HTTP/1.1 200 OK"},
        RequestCase{"GET /varnex/other.aspx HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
        RequestCase{"GET / HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Not Found"},
        RequestCase{"POST /varnex/control_cmd_list_xml.aspx HTTP/1.1\r\n\r\n",
                    "HTTP/1.1 405 Method Not Allowed"},
        RequestCase{"nonsense\r\n\r\n", "HTTP/1.1 400 Bad Request"}));

// What the designer reads: every child of the root, with its name and link.
QStringList commands(const QByteArray &document) {
    QStringList found;
    QXmlStreamReader reader(document);
    if (!reader.readNextStartElement())
        return {QStringLiteral("no root")};
    while (reader.readNextStartElement()) {
        found << reader.attributes().value(QStringLiteral("name")).toString() +
                     QStringLiteral(" -> ") +
                     reader.attributes().value(QStringLiteral("link")).toString();
        reader.skipCurrentElement();
    }
    return found;
}

QByteArray download(quint16 port) {
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(QNetworkRequest(
        QUrl(QStringLiteral("http://127.0.0.1:%1/varnex/control_cmd_list_xml.aspx?=10:11:12")
                 .arg(port))));
    QSignalSpy finished(reply, &QNetworkReply::finished);
    EXPECT_TRUE(finished.wait(5000));
    EXPECT_EQ(reply->error(), QNetworkReply::NoError) << reply->errorString().toStdString();
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    return body;
}

TEST(CommandListServer, ServesTheDemoCommands) {
    CommandListServer server(CommandListServer::demoDocument());
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const QStringList found = commands(download(server.port()));
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.constFirst(), QStringLiteral("Projector on -> projector_on.tsk"));
    EXPECT_TRUE(found.contains(QStringLiteral("全部关闭 -> scene_all_off.tsk")));
}

TEST(CommandListServer, ServesAGivenFileAsItIs) {
    TempFolder folder;
    const QByteArray xml = "<list><a name=\"Fan\" link=\"fan_on.tsk\" extra=\"1\"/></list>";
    QString error;
    const QByteArray document =
        CommandListServer::loadDocument(folder.write(QStringLiteral("cmds.xml"), xml), error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    CommandListServer server(document);
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    EXPECT_EQ(download(server.port()), xml);
}

TEST(CommandListServer, RefusesFilesThatAreNoXml) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("cmds.xml"), "<list>\n<a name=\"x\">\n");
    QString error;
    EXPECT_TRUE(CommandListServer::loadDocument(path, error).isEmpty());
    EXPECT_TRUE(
        error.startsWith(path + QStringLiteral(":3: the command list is no well-formed XML")))
        << error.toStdString();
}

} // namespace
