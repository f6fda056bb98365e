#include "UdpResponder.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <array>

namespace {

enum Listener { Discovery, NetworkTest, DeviceConfiguration };

// The designer's three listeners, on free ports of 127.0.0.1.
struct Designer {
    std::array<QUdpSocket, 3> listeners;
    QUdpSocket sender;

    Designer() {
        for (QUdpSocket &listener : listeners)
            EXPECT_TRUE(listener.bind(QHostAddress::LocalHost, 0));
        EXPECT_TRUE(sender.bind(QHostAddress::LocalHost, 0));
    }

    UdpReplyPorts replyPorts() const {
        return {listeners[Discovery].localPort(), listeners[NetworkTest].localPort(),
                listeners[DeviceConfiguration].localPort()};
    }

    QList<QNetworkDatagram> receive(Listener which, int count) {
        QUdpSocket &listener = listeners[which];
        QList<QNetworkDatagram> datagrams;
        while (datagrams.size() < count) {
            if (!listener.hasPendingDatagrams() && !listener.waitForReadyRead(2000))
                break;
            while (listener.hasPendingDatagrams())
                datagrams << listener.receiveDatagram();
        }
        return datagrams;
    }
};

struct ProbeCase {
    const char *probe;
    // Which of the simulator's two ports the probe goes to.
    int port;
    Listener answeredOn;
    QStringList answers;
};

class Probes : public testing::TestWithParam<ProbeCase> {};

TEST_P(Probes, AreAnsweredToTheSendersListener) {
    const ProbeCase &c = GetParam();
    Designer designer;
    UdpResponder responder(DeviceConfig(DeviceConfig::Settings{}), designer.replyPorts());
    ASSERT_TRUE(responder.listen(QHostAddress::LocalHost, {0, 0}))
        << responder.errorString().toStdString();
    ASSERT_EQ(responder.localPorts().size(), 2);
    const quint16 port = responder.localPorts().at(c.port);

    designer.sender.writeDatagram(QByteArray(c.probe), QHostAddress::LocalHost, port);
    QSignalSpy answered(&responder, &UdpResponder::answered);
    ASSERT_TRUE(answered.wait(2000));

    const QList<QNetworkDatagram> got = designer.receive(c.answeredOn, int(c.answers.size()));
    QStringList texts;
    for (const QNetworkDatagram &datagram : got) {
        texts << QString::fromUtf8(datagram.data());
        // The designer takes the answer's source as the controller's address.
        EXPECT_EQ(datagram.senderAddress(), QHostAddress(QHostAddress::LocalHost));
        EXPECT_EQ(datagram.senderPort(), port);
    }
    EXPECT_EQ(texts, c.answers);
    for (int other = Discovery; other <= DeviceConfiguration; ++other) {
        if (other != c.answeredOn)
            EXPECT_FALSE(designer.listeners[other].hasPendingDatagrams()) << other;
    }
}

const QString kRecord = QStringLiteral("02 56 58 00 00 01|127.0.0.1|1|192.168.20.1|255.255.255.0|"
                                       "192.168.20.254|8.8.8.8|controller-sim|9600");

INSTANTIATE_TEST_SUITE_P(
    UdpResponder, Probes,
    testing::Values(ProbeCase{"Find_Varnex.tsk", 0, Discovery, {kRecord}},
                    ProbeCase{"_TEST_VxST.tsk", 0, NetworkTest, {QStringLiteral("_TEST_VxST.tsk")}},
                    ProbeCase{"_0Ip?a=0&port=9930&gw=", 0, DeviceConfiguration, {kRecord}},
                    ProbeCase{"_0Ip?a=0&port=9930&gw=", 1, DeviceConfiguration, {kRecord}},
                    ProbeCase{"_0Ip?a=2&m=02 56 58 00 00 01",
                              1,
                              DeviceConfiguration,
                              {QStringLiteral("_Info#RCV"), QStringLiteral("_Info#DON")}}));

TEST(UdpResponder, ReportsAPortInUse) {
    QUdpSocket taken;
    ASSERT_TRUE(taken.bind(QHostAddress::LocalHost, 0));
    UdpResponder responder(DeviceConfig(DeviceConfig::Settings{}), {});
    EXPECT_FALSE(responder.listen(QHostAddress::LocalHost, {taken.localPort()}));
    EXPECT_TRUE(
        responder.errorString().startsWith(QStringLiteral("UDP port %1: ").arg(taken.localPort())));
}

} // namespace
