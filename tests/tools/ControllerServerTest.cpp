#include "ControllerServer.h"
#include "ScenarioRunner.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace {

const QString kScenario =
    QStringLiteral("on lamp1_on.tsk send @RTD_BEGIN\\nLamp1||100\\nStatusText|Lamp 1 on|100\n"
                   "on volume.tsk* send @RTD_BEGIN\\nStatusText|Volume [val]|100\n"
                   "after 0.1 send @RTD_BEGIN\\nStatusText|Welcome|100\n");

// The simulator as the program wires it, on a free port of 127.0.0.1.
struct Controller {
    ControllerServer server;
    ScenarioRunner runner{parseScenario(kScenario, QStringLiteral("test")).scenario};

    Controller() {
        QObject::connect(
            &server, &ControllerServer::received, &runner,
            [this](int, const QString &, const QString &text) { runner.handleTask(text); });
        QObject::connect(&server, &ControllerServer::clientConnected, &runner,
                         &ScenarioRunner::handleClientConnected);
        QObject::connect(&runner, &ScenarioRunner::broadcastReady, &server,
                         &ControllerServer::broadcast);
        QObject::connect(&runner, &ScenarioRunner::messageForClient, &server,
                         &ControllerServer::sendTo);
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    }
};

// A panel's end of the link: what arrived, read by read, and when.
struct Panel {
    QTcpSocket socket;
    QStringList chunks;
    std::vector<qint64> arrivalsMs;
    QElapsedTimer clock;

    explicit Panel(quint16 port) {
        clock.start();
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            arrivalsMs.push_back(clock.elapsed());
            chunks << QString::fromUtf8(socket.readAll());
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(socket.waitForConnected(2000));
    }

    // Waits in a real event loop, so arrival times are not blurred by polling.
    bool waitForChunks(int count) {
        QSignalSpy spy(&socket, &QTcpSocket::readyRead);
        while (chunks.size() < count) {
            if (!spy.wait(2000))
                return false;
        }
        return true;
    }

    void send(const char *text) {
        socket.write(text);
        socket.flush();
    }
};

TEST(ControllerServer, AnswersTheKeepAlive) {
    Controller controller;
    Panel panel(controller.server.port());
    ASSERT_TRUE(panel.waitForChunks(1));
    panel.send("@Pi@");
    ASSERT_TRUE(panel.waitForChunks(2));
    EXPECT_EQ(panel.chunks.at(0), QStringLiteral("@RTD_BEGIN\nStatusText|Welcome|100"));
    EXPECT_EQ(panel.chunks.at(1), QStringLiteral("@Po@"));
}

TEST(ControllerServer, AnswersTasksFromTheScenarioToEveryPanel) {
    Controller controller;
    Panel first(controller.server.port());
    Panel second(controller.server.port());
    ASSERT_TRUE(first.waitForChunks(1));
    ASSERT_TRUE(second.waitForChunks(1));

    QSignalSpy received(&controller.server, &ControllerServer::received);
    first.send("lamp1_on.tsk?val=1&bt=2&name=Lamp1");
    ASSERT_TRUE(second.waitForChunks(2));
    EXPECT_EQ(second.chunks.at(1),
              QStringLiteral("@RTD_BEGIN\nLamp1||100\nStatusText|Lamp 1 on|100"));
    ASSERT_TRUE(first.waitForChunks(2));
    EXPECT_EQ(first.chunks.at(1), second.chunks.at(1));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.at(0).at(2).toString(),
              QStringLiteral("lamp1_on.tsk?val=1&bt=2&name=Lamp1"));

    second.send("volume.tsk?val=42");
    ASSERT_TRUE(first.waitForChunks(3));
    EXPECT_EQ(first.chunks.at(2), QStringLiteral("@RTD_BEGIN\nStatusText|Volume 42|100"));
}

TEST(ControllerServer, LeavesSilenceBetweenMessages) {
    Controller controller;
    Panel panel(controller.server.port());
    ASSERT_TRUE(panel.waitForChunks(1));
    const QStringList pushed = {QStringLiteral("@RTD_BEGIN\nLamp1|ON|100"),
                                QStringLiteral("_ENG=SetMode(2)"),
                                QStringLiteral("@RTD_BEGIN\nLamp2||0")};
    for (const QString &message : pushed)
        EXPECT_TRUE(controller.server.broadcast(message));
    ASSERT_TRUE(panel.waitForChunks(4));
    EXPECT_EQ(panel.chunks.mid(1), pushed);
    // The receiving side may see a message a moment late; a few
    // milliseconds of slack keep that from failing the test.
    const qint64 slackMs = 5;
    for (size_t i = 1; i + 1 < panel.arrivalsMs.size(); ++i)
        EXPECT_GE(panel.arrivalsMs[i + 1] - panel.arrivalsMs[i],
                  ControllerServer::kDefaultGap.count() - slackMs);
}

TEST(ControllerServer, ForgetsPanelsThatLeave) {
    Controller controller;
    {
        Panel panel(controller.server.port());
        ASSERT_TRUE(panel.waitForChunks(1));
        EXPECT_EQ(controller.server.clientCount(), 1);
    }
    QSignalSpy gone(&controller.server, &ControllerServer::clientDisconnected);
    ASSERT_TRUE(gone.wait(2000));
    EXPECT_EQ(controller.server.clientCount(), 0);
    EXPECT_FALSE(controller.server.broadcast(QStringLiteral("@RTD_BEGIN\nLamp1|ON|100")));
}

} // namespace
