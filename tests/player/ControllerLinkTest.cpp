#include "net/ControllerLink.h"
#include "runtime/PageRuntime.h"
#include "runtime/PageSurface.h"
#include "runtime/TextObject.h"
#include "runtime/TmyImage.h"
#include "script/KeyValueStore.h"

#include "TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Loopback = QStringLiteral("127.0.0.1");

// A controller on this machine: it accepts the link, records what arrives
// and writes what the test asks it to.
struct FakeController {
    QTcpServer server;
    QTcpSocket *peer = nullptr;
    QByteArray received;

    FakeController() {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            peer = server.nextPendingConnection();
            QObject::connect(peer, &QTcpSocket::readyRead, [this] { received += peer->readAll(); });
        });
    }
    QString port() const { return QString::number(server.serverPort()); }
    bool waitForPeer() {
        return QTest::qWaitFor([this] { return peer != nullptr; }, 5000);
    }
    bool waitFor(const QByteArray &text) {
        return QTest::qWaitFor([&] { return received.contains(text); }, 5000);
    }
    void write(const QByteArray &bytes) {
        peer->write(bytes);
        peer->flush();
    }
};

// A page with named objects, the link to a fake controller, and a record of
// what the page's actions asked for.
class LinkFixture : public ::testing::Test {
protected:
    LinkFixture() : runtime(area, store), link(runtime, fastTimings()) {
        scene.addItem(area);
        area->setSize(QSizeF(800, 600));
        QDir().mkpath(project.path(QStringLiteral("res")));
        QImage picture(10, 10, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        picture.save(project.path(QStringLiteral("res/p.png")));
        runtime.setProjectRoot(project.path() + QLatin1Char('/'));
        QObject::connect(&runtime.dispatcher(), &ActionDispatcher::SendTCP,
                         [this](const QString &m) { actions << m; });
        QObject::connect(
            &runtime.dispatcher(), &ActionDispatcher::RunScriptbyNewThread,
            [this](const QString &code) { actions << QStringLiteral("script:") + code; });
        QObject::connect(&runtime.pages(), &PageLoader::pageLoaded, &link.reports(),
                         &StateReports::UpdateUIFromLastControlCenter);
        load(QStringLiteral("a.ui"));
    }

    static LinkTimings fastTimings() {
        LinkTimings timings;
        timings.connectTimeoutMs = 1500;
        return timings;
    }

    void load(const QString &name) {
        runtime.pages().LoadUI(project.write(
            name, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting/>"
                  "<Label Name=\"Lamp1\" Text=\"off\" Color=\"-1\"/>"
                  "<Button Name=\"isControlSystemOFFline\" src=\"p.png\" type=\"0\"/>"
                  "<Button Name=\"isControlSystemPingPong\" src=\"p.png\" type=\"0\" Alpha=\"0\"/>"
                  "<Event Type=\"onOnline\" Task=\"online.tsk\"/>"
                  "<Event Type=\"onOffline\" Task=\"offline.tsk\"/></data>"));
    }

    QGraphicsObject *object(const char *name) {
        return runtime.operations().namedObject(QString::fromLatin1(name));
    }
    QString lampText() { return static_cast<TextObject *>(object("Lamp1"))->text(); }
    qreal pingPongOpacity() { return object("isControlSystemPingPong")->opacity(); }

    // Connects the link to the controller by sending a first task.
    void connectTo(FakeController &controller, const QString &firstTask) {
        link.StartTCPClientSendThread();
        link.SendTCP(Loopback, controller.port(), firstTask);
        ASSERT_TRUE(controller.waitForPeer());
        ASSERT_TRUE(QTest::qWaitFor([this] { return link.isMainTCPClientConnected(); }, 5000));
    }

    TempFolder project;
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    KeyValueStore store;
    PageRuntime runtime;
    ControllerLink link;
    QStringList actions;
};

TEST_F(LinkFixture, TasksGoOutAsBareAsciiTextOnceConnected) {
    FakeController controller;
    EXPECT_FALSE(link.SendTCP(Loopback, controller.port(), QStringLiteral("first.tsk")))
        << "the first message only starts the link";
    EXPECT_TRUE(link.hasSendThread());
    connectTo(controller, QStringLiteral("lamp.tsk?val=1&bt=2&name=Lamp1"));
    ASSERT_TRUE(controller.waitFor("lamp.tsk?val=1&bt=2&name=Lamp1"));
    link.SendTCP(Loopback, controller.port(), QStringLiteral("灯.tsk?val=é"));
    ASSERT_TRUE(controller.waitFor("?.tsk?val=?"));
    EXPECT_EQ(controller.received, QByteArray("lamp.tsk?val=1&bt=2&name=Lamp1?.tsk?val=?"));
    EXPECT_DOUBLE_EQ(object("isControlSystemOFFline")->opacity(), 0.0);
    EXPECT_TRUE(actions.contains(QStringLiteral("online.tsk?val=1")));
}

TEST_F(LinkFixture, AKeepAliveGoesOutAfterElevenQuietTicks) {
    FakeController controller;
    connectTo(controller, QStringLiteral("x.tsk"));
    ASSERT_TRUE(controller.waitFor("x.tsk"));
    for (int tick = 1; tick <= 10; ++tick)
        link.UserTimerStep(Loopback, controller.port());
    QTest::qWait(100);
    EXPECT_FALSE(controller.received.contains("@Pi@"));
    link.UserTimerStep(Loopback, controller.port());
    EXPECT_TRUE(controller.waitFor("@Pi@"));
}

TEST_F(LinkFixture, HostsShorterThanEightCharactersGetNothing) {
    FakeController controller;
    EXPECT_FALSE(
        link.SendTCP(QStringLiteral("127.0.1"), controller.port(), QStringLiteral("a.tsk")));
    EXPECT_FALSE(link.hasSendThread());
    link.SendTCP(QStringLiteral("127.0.01"), controller.port(), QStringLiteral("a.tsk"));
    link.SendTCP(QStringLiteral("127.0.01"), controller.port(), QStringLiteral("b.tsk"));
    EXPECT_TRUE(controller.waitFor("b.tsk"));
}

TEST_F(LinkFixture, MessagesApartByLessThanTheSilenceAreOneBatch) {
    FakeController controller;
    connectTo(controller, QStringLiteral("x.tsk"));
    controller.write("@RTD_BEGIN\r\nLamp1|ON|100");
    QTest::qWait(100);
    controller.write("@Po@");
    ASSERT_TRUE(QTest::qWaitFor([this] { return lampText() == QLatin1String("ON"); }, 3000));
    QTest::qWait(400);
    EXPECT_DOUBLE_EQ(pingPongOpacity(), 0.0) << "the answer was part of the report";

    controller.write("@RTD_BEGIN\r\nLamp1|again|100");
    QTest::qWait(300);
    controller.write("@Po@");
    EXPECT_TRUE(QTest::qWaitFor([this] { return pingPongOpacity() == 1.0; }, 3000));
    EXPECT_EQ(lampText(), QStringLiteral("again"));
}

TEST_F(LinkFixture, ACharacterSplitAcrossTwoReadsArrivesWhole) {
    FakeController controller;
    connectTo(controller, QStringLiteral("x.tsk"));
    const QByteArray report = QStringLiteral("@RTD_BEGIN\nLamp1|开|100").toUtf8();
    controller.write(report.left(report.size() - 2));
    QTest::qWait(50);
    controller.write(report.right(2));
    EXPECT_TRUE(QTest::qWaitFor([this] { return lampText() == QStringLiteral("开"); }, 3000));
}

TEST_F(LinkFixture, AControllerThatDropsTheLinkLeavesThePlayerOffline) {
    FakeController controller;
    connectTo(controller, QStringLiteral("x.tsk"));
    actions.clear();
    controller.peer->abort();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !link.isMainTCPClientConnected(); }, 3000));
    EXPECT_DOUBLE_EQ(object("isControlSystemOFFline")->opacity(), 1.0);
    EXPECT_EQ(actions, (QStringList{QStringLiteral("offline.tsk?val=1"),
                                    QStringLiteral("offline.tsk?val=1")}));
}

TEST_F(LinkFixture, AMessageWhileConnectingIsDroppedAsBusy) {
    // A controller whose queue is full: new connections hang until the time-out.
    QTcpServer full;
    full.setListenBacklogSize(0);
    full.listen(QHostAddress::LocalHost, 0);
    full.pauseAccepting();
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, full.serverPort());
    }
    QTest::qWait(200);

    QSignalSpy results(&link, &ControllerLink::SendResult);
    const QString port = QString::number(full.serverPort());
    link.StartTCPClientSendThread();
    link.SendTCP(Loopback, port, QStringLiteral("first.tsk"));
    QTest::qWait(200);
    link.SendTCP(Loopback, port, QStringLiteral("second.tsk"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return results.count() >= 2; }, 5000));
    EXPECT_EQ(results.at(0).at(0).toInt(), 1);
    EXPECT_EQ(results.at(0).at(1).toString(), QStringLiteral("Error(Busy):second.tsk"));
    EXPECT_EQ(results.at(1).at(0).toInt(), 1) << "then the connect itself fails";
}

struct ReportCase {
    const char *line;
    const char *text;
    qreal opacity;
};

TEST_F(LinkFixture, ReportLinesAreReadByTheirFirstThreeFields) {
    const ReportCase cases[] = {
        {"Lamp1|B", "off", 1.0},
        {"Lamp1|B|40|D|E|F", "B", 0.4},
        {"Lamp1|C| 50 |", "C", 0.5},
        {"Lamp1|D|x", "D", 1.0},
        {"Lamp1||0", "off", 0.0},
        {"|E|100", "off", 1.0},
        {"lamp1|any case|101", "any case", 1.0},
    };
    for (const ReportCase &c : cases) {
        load(QStringLiteral("a.ui"));
        link.reports().UpdateUIFromSrv(QStringLiteral("@RTD_BEGIN\n") + QString::fromUtf8(c.line));
        EXPECT_EQ(lampText(), QString::fromUtf8(c.text)) << c.line;
        EXPECT_DOUBLE_EQ(object("Lamp1")->opacity(), c.opacity) << c.line;
    }
}

TEST_F(LinkFixture, AnyBatchIsJudgedByTheReportGrammarAlone) {
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 37);
    QString manyLines = QStringLiteral("@RTD_BEGIN\n");
    for (int i = 0; i < 20000; ++i)
        manyLines += i % 2 ? QStringLiteral("|||\n") : QStringLiteral("no fields\n");
    const QString batches[] = {QString::fromLatin1(binary),
                               QStringLiteral("@RTD_BEGIN") + QString(1 << 20, QLatin1Char('|')),
                               QStringLiteral("@RTD_BEGIN\nLamp1|") +
                                   QString(1 << 20, QLatin1Char('x')) + QStringLiteral("|100"),
                               manyLines};
    for (const QString &batch : batches)
        link.reports().UpdateUIFromSrv(batch);
    EXPECT_EQ(lampText().size(), 1 << 20) << "the long line was applied";
    EXPECT_FALSE(link.reports().updatingUIFromNet());
}

TEST_F(LinkFixture, BatchesAreTestedInOrder) {
    link.reports().UpdateUIFromSrv(QStringLiteral("@Po@ _ENG=1;Inc(a)"));
    EXPECT_EQ(actions, QStringList{QStringLiteral("script:@Po@ _ENG=1;Inc(a)")});
    EXPECT_DOUBLE_EQ(pingPongOpacity(), 0.0);
    link.reports().UpdateUIFromSrv(QStringLiteral("echo.tsk"));
    link.reports().UpdateUIFromSrv(QStringLiteral("@Po@"));
    EXPECT_DOUBLE_EQ(pingPongOpacity(), 1.0);
    EXPECT_EQ(actions.size(), 1);
}

TEST_F(LinkFixture, TheLastScriptLineIsLeftOutOfTheCachedReport) {
    const QString report =
        QStringLiteral("@RTD_BEGIN\nA_-_|first()|\nLamp1|ON|100\nB_-_|second()|");
    link.reports().UpdateUIFromSrv(report);
    EXPECT_EQ(actions, (QStringList{QStringLiteral("script:_ENG=2;  first()"),
                                    QStringLiteral("script:_ENG=2;  second()")}));
    EXPECT_EQ(link.reports().LastUpdateUIData(),
              QStringLiteral("@RTD_BEGIN\nA_-_|first()|\nLamp1|ON|100\n"));
}

TEST_F(LinkFixture, TheCachedReportIsAppliedToTheNextPageAMomentAfterItLoads) {
    link.reports().UpdateUIFromSrv(QStringLiteral("@RTD_BEGIN\nLamp1|ON|100"));
    QElapsedTimer clock;
    clock.start();
    load(QStringLiteral("b.ui"));
    EXPECT_EQ(lampText(), QStringLiteral("off"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return lampText() == QLatin1String("ON"); }, 2000));
    EXPECT_GE(clock.elapsed(), 45);
}

struct TickCase {
    bool connected;
    std::vector<int> sendingTicks;
};

TEST(LinkClock, ReconnectsTwiceEveryThirtyOneTicksAndPingsAfterElevenQuietOnes) {
    const TickCase cases[] = {{false, {1, 2, 32, 33, 63, 64}}, {true, {11, 22, 33, 44, 55, 66}}};
    for (const TickCase &c : cases) {
        LinkClock clock;
        std::vector<int> sending;
        for (int tick = 1; tick <= 70; ++tick) {
            if (clock.tick(c.connected))
                sending.push_back(tick);
        }
        EXPECT_EQ(sending, c.sendingTicks) << c.connected;
    }
}

} // namespace
