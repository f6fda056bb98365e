#include "DesignerFinder.h"

#include "runtime/Messages.h"

DesignerFinder::DesignerFinder(const QHostAddress &target, quint16 port)
    : m_target(target), m_port(port) {}

QString DesignerFinder::FindUIDesigner() {
    const QByteArray request(messages::FindDesignerRequest);
    if (m_socket.writeDatagram(request, m_target, m_port) != request.size())
        return m_socket.errorString();
    return QString();
}
