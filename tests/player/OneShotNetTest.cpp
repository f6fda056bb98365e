#include "net/OneShotNet.h"

#include "TempFolder.h"

#include <QMutex>
#include <QNetworkDatagram>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>

namespace {

const QString Greeting = QStringLiteral("你好，世界");
const QByteArray Picture("\x89PNG\r\n\0\x01\xff", 10);
const QByteArray LateAnswer("late but here");
constexpr unsigned long SlowAnswerMs = 300;
constexpr int PeerWaitMs = 2000;

// Writes bytes and waits until they have left, as a blocking peer must.
void send(QTcpSocket &socket, const QByteArray &bytes) {
    socket.write(bytes);
    socket.waitForBytesWritten(PeerWaitMs);
}

// Keeps the connection until the client closes it (it may already have).
void waitForClientToLeave(QTcpSocket &socket) {
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(PeerWaitMs);
}

// A peer on 127.0.0.1 that serves one connection at a time on a thread of its
// own, because the calls under test block the test thread.
class LoopbackPeer {
public:
    using Session = std::function<void(QTcpSocket &)>;

    explicit LoopbackPeer(Session session) {
        QSemaphore listening;
        m_thread.reset(QThread::create([this, session = std::move(session), &listening] {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            m_port = server.serverPort();
            listening.release();
            while (!m_stopping) {
                if (!server.waitForNewConnection(20))
                    continue;
                std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
                session(*socket);
                socket->disconnectFromHost();
                waitForClientToLeave(*socket);
            }
        }));
        m_thread->start();
        listening.acquire();
    }
    ~LoopbackPeer() {
        m_stopping = true;
        m_thread->wait();
    }
    quint16 port() const { return m_port; }

private:
    std::atomic<bool> m_stopping{false};
    quint16 m_port = 0;
    std::unique_ptr<QThread> m_thread;
};

QByteArray headerOf(const QByteArray &request, const QByteArray &name) {
    const QByteArray head = request.left(request.indexOf("\r\n\r\n"));
    for (const QByteArray &line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

QByteArray pathOf(const QByteArray &request) {
    return request.split(' ').value(1);
}

QByteArray bodyOf(const QByteArray &request) {
    return request.mid(request.indexOf("\r\n\r\n") + 4);
}

// Head and body as announced by Content-Length.
QByteArray readHttpRequest(QTcpSocket &socket) {
    QByteArray request;
    while (!request.contains("\r\n\r\n")) {
        if (!socket.waitForReadyRead(PeerWaitMs))
            return request;
        request += socket.readAll();
    }
    const qsizetype total =
        request.indexOf("\r\n\r\n") + 4 + headerOf(request, "Content-Length").toInt();
    while (request.size() < total && socket.waitForReadyRead(PeerWaitMs))
        request += socket.readAll();
    return request;
}

QByteArray response(const QByteArray &status, const QByteArray &body,
                    const QByteArray &extraHeaders = QByteArray()) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

QByteArray answerTo(const QByteArray &request) {
    const QByteArray path = pathOf(request);
    if (path == "/text")
        return response("200 OK", Greeting.toUtf8());
    if (path == "/bytes")
        return response("200 OK", Picture);
    if (path == "/echo")
        return response("200 OK", bodyOf(request));
    if (path == "/moved")
        return response("302 Found", QByteArray(), "Location: /text\r\n");
    if (path == "/slow") {
        QThread::msleep(SlowAnswerMs);
        return response("200 OK", LateAnswer);
    }
    if (path == "/broken")
        return response("500 Internal Server Error", "broken");
    return response("404 Not Found", "no such page");
}

// A web server with fixed pages that keeps every request it was sent.
class TestWebServer {
public:
    QString url(const QString &path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_peer.port()).arg(path);
    }
    QList<QByteArray> requests() const {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

private:
    void serve(QTcpSocket &socket) {
        const QByteArray request = readHttpRequest(socket);
        {
            QMutexLocker lock(&m_mutex);
            m_requests.append(request);
        }
        send(socket, answerTo(request));
    }

    mutable QMutex m_mutex;
    QList<QByteArray> m_requests;
    // Last, so that its thread has stopped before the rest goes away.
    LoopbackPeer m_peer{[this](QTcpSocket &socket) { serve(socket); }};
};

class OneShotNetHttp : public ::testing::Test {
protected:
    TestWebServer server;
    TempFolder folder;
};

TEST_F(OneShotNetHttp, GetReturnsTheBodyDecodedAsUtf8) {
    EXPECT_EQ(net::idHttpGet(server.url("/text"), 1000), Greeting);
}

TEST_F(OneShotNetHttp, GetSendsTheUserAgentExactly) {
    net::idHttpGet(server.url("/text"), 1000);
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(headerOf(server.requests().first(), "User-Agent"),
              QByteArray("Mozilla/5.0 (Windows; U; Windows NT 5.2) AppleWebKit/525.13 (KHTML, "
                         "like Gecko) Chrome/0.2.149.27 Safari/525.13"));
    EXPECT_EQ(headerOf(server.requests().first(), "Accept-Charset"), QByteArray("UTF-8"));
}

TEST_F(OneShotNetHttp, GetFollowsARedirect) {
    EXPECT_EQ(net::idHttpGet(server.url("/moved"), 1000), Greeting);
    const QList<QByteArray> requests = server.requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(pathOf(requests.at(0)), QByteArray("/moved"));
    EXPECT_EQ(pathOf(requests.at(1)), QByteArray("/text"));
}

TEST_F(OneShotNetHttp, MemoryStreamReturnsTheBodyBytes) {
    EXPECT_EQ(net::idHttpGetToMemoryStream(server.url("/bytes"), 1000), Picture);
}

TEST_F(OneShotNetHttp, PostSendsTheFileContentAndReturnsTheAnswer) {
    const QByteArray content = QStringLiteral("温度=25\n湿度=60").toUtf8();
    const QString file = folder.write(QStringLiteral("post.txt"), content);
    EXPECT_EQ(net::idHttpPost(server.url("/echo"), file, 1000), QString::fromUtf8(content));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().first().startsWith("POST /echo "));
}

TEST_F(OneShotNetHttp, PostOfAMissingFileSendsNothing) {
    EXPECT_EQ(net::idHttpPost(server.url("/echo"), folder.path(QStringLiteral("none.txt")), 1000),
              QString());
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(OneShotNetHttp, ErrorStatusesGiveEmptyResults) {
    const QString file = folder.write(QStringLiteral("post.txt"), "x");
    for (const char *path : {"/missing", "/broken"}) {
        const QString url = server.url(QString::fromLatin1(path));
        EXPECT_EQ(net::idHttpGet(url, 1000), QString()) << path;
        EXPECT_EQ(net::idHttpPost(url, file, 1000), QString()) << path;
        EXPECT_EQ(net::idHttpGetToMemoryStream(url, 1000), QByteArray()) << path;
    }
}

TEST_F(OneShotNetHttp, NothingListeningGivesAnEmptyResult) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(net::idHttpGet(QStringLiteral("http://127.0.0.1:%1/text").arg(closedPort), 1000),
              QString());
}

TEST_F(OneShotNetHttp, WorksOnAThreadWithoutAnEventLoopOfItsOwn) {
    QString body;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { body = net::idHttpGet(server.url("/text"), 1000); }));
    worker->start();
    ASSERT_TRUE(worker->wait(5000));
    EXPECT_EQ(body, Greeting);
}

// The server answers /slow only after 300 ms: a time-out below 100 ms must
// stand for the default, while 100 ms is taken as given.
struct TimeoutCase {
    const char *name;
    std::function<QByteArray(const QString &url, int timeoutMs)> call;
    int timeoutMs;
    bool answered;
};

QByteArray getText(const QString &url, int timeoutMs) {
    return net::idHttpGet(url, timeoutMs).toUtf8();
}

QByteArray postText(const QString &url, int timeoutMs) {
    TempFolder folder;
    return net::idHttpPost(url, folder.write(QStringLiteral("post.txt"), "x"), timeoutMs).toUtf8();
}

class OneShotNetTimeout : public ::testing::TestWithParam<TimeoutCase> {};

TEST_P(OneShotNetTimeout, ShortTimeoutsStandForTheDefault) {
    const TimeoutCase c = GetParam();
    TestWebServer server;
    EXPECT_EQ(c.call(server.url("/slow"), c.timeoutMs), c.answered ? LateAnswer : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    OneShotNet, OneShotNetTimeout,
    ::testing::Values(TimeoutCase{"GetFifty", getText, 50, true},
                      TimeoutCase{"GetHundred", getText, 100, false},
                      TimeoutCase{"PostFifty", postText, 50, true},
                      TimeoutCase{"PostHundred", postText, 100, false},
                      TimeoutCase{"MemoryFifty", net::idHttpGetToMemoryStream, 50, true},
                      TimeoutCase{"MemoryHundred", net::idHttpGetToMemoryStream, 100, false}),
    [](const ::testing::TestParamInfo<TimeoutCase> &info) { return std::string(info.param.name); });

QString sendTcp(const LoopbackPeer &peer, const QString &data) {
    return net::idSendTCP(QStringLiteral("127.0.0.1"), QString::number(peer.port()), data, 1000);
}

QByteArray takeRequest(QTcpSocket &socket) {
    socket.waitForReadyRead(PeerWaitMs);
    return socket.readAll();
}

TEST(OneShotNetTcp, GathersAReplyWrittenInTwoParts) {
    // The second part starts in the middle of a character's bytes.
    const QByteArray reply = QStringLiteral("温度 25°C").toUtf8();
    LoopbackPeer peer([&](QTcpSocket &socket) {
        takeRequest(socket);
        send(socket, reply.left(4));
        QThread::msleep(100);
        send(socket, reply.mid(4));
        waitForClientToLeave(socket);
    });
    EXPECT_EQ(sendTcp(peer, QStringLiteral("TEMP?")), QString::fromUtf8(reply));
}

TEST(OneShotNetTcp, APeerAnsweringAfterTheGatherWaitGivesAnEmptyReply) {
    LoopbackPeer peer([](QTcpSocket &socket) {
        takeRequest(socket);
        QThread::msleep(400);
        send(socket, "too late");
        waitForClientToLeave(socket);
    });
    EXPECT_EQ(sendTcp(peer, QStringLiteral("TEMP?")), QString());
}

TEST(OneShotNetTcp, SendsNonAsciiCharactersAsQuestionMarks) {
    LoopbackPeer echo([](QTcpSocket &socket) { send(socket, takeRequest(socket)); });
    EXPECT_EQ(sendTcp(echo, QStringLiteral("25°C 温度 ok")), QStringLiteral("25?C ?? ok"));
}

TEST(OneShotNetTcp, NothingListeningGivesAnEmptyReply) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(net::idSendTCP(QStringLiteral("127.0.0.1"), QString::number(closedPort),
                             QStringLiteral("TEMP?"), 500),
              QString());
}

TEST(OneShotNetTcp, PortTextThatIsNoIntegerMeans8800) {
    const struct {
        const char *text;
        quint16 port;
    } cases[] = {{"9000", 9000}, {" 9001 ", 9001}, {"abc", 8800},
                 {"", 8800},     {"12.5", 8800},   {"70000", 70000 - 65536}};
    for (const auto &c : cases)
        EXPECT_EQ(net::tcpPortOf(QString::fromLatin1(c.text)), c.port) << c.text;
}

TEST(OneShotNetUdp, SendsOneUtf8Datagram) {
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    const QString data = QStringLiteral("温度=25");
    net::idSendUDP(QStringLiteral("127.0.0.1"), receiver.localPort(), data, 0);
    ASSERT_TRUE(receiver.waitForReadyRead(PeerWaitMs));
    EXPECT_EQ(receiver.receiveDatagram().data(), data.toUtf8());
    EXPECT_FALSE(receiver.hasPendingDatagrams());
}

} // namespace
