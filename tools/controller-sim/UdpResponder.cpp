#include "UdpResponder.h"

#include "PeerName.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

namespace {

// The address a probe reached; for a broadcast, the computer's first
// outward-facing address, as that is where a controller would be found.
QString currentAddress(const QHostAddress &destination) {
    bool isV4 = false;
    const QHostAddress v4(destination.toIPv4Address(&isV4));
    if (isV4 && v4 != QHostAddress(QHostAddress::Broadcast) && v4 != QHostAddress::AnyIPv4)
        return v4.toString();
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QHostAddress(QHostAddress::LocalHost).toString();
}

} // namespace

UdpResponder::UdpResponder(DeviceConfig device, UdpReplyPorts replyPorts, QObject *parent)
    : QObject(parent), m_device(std::move(device)), m_replyPorts(replyPorts) {}

bool UdpResponder::listen(const QHostAddress &address, const QList<quint16> &ports) {
    QList<quint16> distinct;
    for (const quint16 port : ports) {
        if (port == 0 || !distinct.contains(port))
            distinct << port;
    }
    for (const quint16 port : distinct) {
        auto *socket = new QUdpSocket(this);
        if (!socket->bind(address, port)) {
            m_error = QStringLiteral("UDP port %1: %2").arg(port).arg(socket->errorString());
            delete socket;
            return false;
        }
        connect(socket, &QUdpSocket::readyRead, this, [this, socket] { readDatagrams(socket); });
        m_sockets.push_back(socket);
    }
    return true;
}

QList<quint16> UdpResponder::localPorts() const {
    QList<quint16> ports;
    for (const QUdpSocket *socket : m_sockets)
        ports << socket->localPort();
    return ports;
}

void UdpResponder::readDatagrams(QUdpSocket *socket) {
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            continue;
        const QString text = QString::fromUtf8(datagram.data());
        const auto [port, replies] = answersFor(text, datagram.destinationAddress());
        for (const QString &reply : replies)
            socket->writeDatagram(reply.toUtf8(), datagram.senderAddress(), port);
        emit answered(peerName(datagram.senderAddress(), quint16(datagram.senderPort())), text,
                      replies.isEmpty() ? 0 : port, replies);
    }
}

std::pair<quint16, QStringList> UdpResponder::answersFor(const QString &text,
                                                         const QHostAddress &local) {
    if (text.startsWith(kDiscoveryProbe))
        return {m_replyPorts.discovery, {m_device.record(currentAddress(local))}};
    if (text.startsWith(kNetworkTestProbe))
        return {m_replyPorts.networkTest, {kNetworkTestProbe}};
    return {m_replyPorts.deviceConfig, m_device.answer(text, currentAddress(local))};
}
