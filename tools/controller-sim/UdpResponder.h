#pragma once

#include "DeviceConfig.h"

#include <QHostAddress>
#include <QObject>

#include <vector>

class QUdpSocket;

// Where the designer listens for the answers to its broadcasts.
struct UdpReplyPorts {
    quint16 discovery = 8822;
    quint16 networkTest = 11888;
    quint16 deviceConfig = 9930;
};

// Answers the designer's UDP probes: controller discovery, the network test
// and device configuration. Answers go to the sender's address only, from
// the port the probe arrived on.
class UdpResponder : public QObject {
    Q_OBJECT
public:
    static inline const QString kDiscoveryProbe = QStringLiteral("Find_Varnex.tsk");
    static inline const QString kNetworkTestProbe = QStringLiteral("_TEST_VxST.tsk");

    UdpResponder(DeviceConfig device, UdpReplyPorts replyPorts, QObject *parent = nullptr);

    // Binds one socket per distinct port; port 0 picks a free one.
    bool listen(const QHostAddress &address, const QList<quint16> &ports);
    QList<quint16> localPorts() const;
    QString errorString() const { return m_error; }

signals:
    // `replyPort` is 0 when the datagram got no answer.
    void answered(const QString &peer, const QString &request, quint16 replyPort,
                  const QStringList &replies);

private:
    void readDatagrams(QUdpSocket *socket);
    // The answers to one datagram and the port they go to.
    std::pair<quint16, QStringList> answersFor(const QString &text, const QHostAddress &local);

    DeviceConfig m_device;
    const UdpReplyPorts m_replyPorts;
    std::vector<QUdpSocket *> m_sockets;
    QString m_error;
};
