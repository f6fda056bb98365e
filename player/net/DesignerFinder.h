#pragma once

#include <QHostAddress>
#include <QString>
#include <QUdpSocket>

// Asks designers on the network to announce themselves, so that a project
// can be downloaded from one of them.
class DesignerFinder {
public:
    DesignerFinder(const QHostAddress &target, quint16 port);

    // Sends the request; returns an empty text, or what went wrong.
    QString FindUIDesigner();

private:
    QUdpSocket m_socket;
    QHostAddress m_target;
    quint16 m_port;
};
