#include "ControllerLink.h"

#include "runtime/Messages.h"
#include "runtime/PageRuntime.h"

namespace {
constexpr int StatusTicks = 2;
constexpr int MinimumHostLength = 8;
} // namespace

ControllerLink::ControllerLink(PageRuntime &runtime, LinkTimings timings, QObject *parent)
    : QObject(parent), m_runtime(runtime), m_timings(timings), m_reports(runtime) {
    // Script lines of reports run like any other code of the page.
    connect(&m_reports, &StateReports::RunScriptbyNewThread, &runtime.dispatcher(),
            &ActionDispatcher::RunScriptbyNewThread);
}

ControllerLink::~ControllerLink() = default;

void ControllerLink::setShowDebugData(bool on) {
    m_showDebugData = on;
    m_reports.setShowDebugData(on);
}

void ControllerLink::StartTCPClientSendThread() {
    if (TCP_SendTThread)
        return;
    TCP_SendTThread = std::make_unique<TThread_TCPSend>(m_timings, m_reports.updatingUIFromNet());
    LinkWorker *worker = TCP_SendTThread->worker();
    connect(worker, &LinkWorker::Connected, this, &ControllerLink::MainTCPClientConnected);
    connect(worker, &LinkWorker::Disconnected, this, &ControllerLink::MainTCPClientDisconnected);
    connect(worker, &LinkWorker::ReceiveEnded, this, &ControllerLink::MainRcvThreadTerminated);
    connect(worker, &LinkWorker::BatchReceived, &m_reports, &StateReports::UpdateUIFromSrv);
    connect(worker, &LinkWorker::SendResult, this, &ControllerLink::SendResult);
    connect(worker, &LinkWorker::Status, this, [this](const QString &text) {
        if (m_showTcpStatus)
            emit statusText(text, StatusTicks);
        emit wantsUserTimer();
    });
}

bool ControllerLink::SendTCP(const QString &host, const QString &port, const QString &data) {
    if (host.length() < MinimumHostLength)
        return false;
    m_clock.messageSent();
    if (!TCP_SendTThread) {
        StartTCPClientSendThread();
        return false;
    }
    TCP_SendTThread->Send(host, port, data);
    return true;
}

void ControllerLink::UserTimerStep(const QString &targetHost, const QString &targetPort) {
    if (m_clock.tick(m_connected))
        SendTCP(targetHost, targetPort, QString::fromUtf8(messages::KeepAlive));
}

void ControllerLink::DisconnectTCP() {
    if (TCP_SendTThread && m_connected)
        TCP_SendTThread->DisConnect();
}

void ControllerLink::setOfflineObject(bool offline) {
    m_runtime.operations().UpdateUI(QStringLiteral("isControlSystemOFFline"), QString(),
                                    offline ? 100 : 0, -1);
}

void ControllerLink::MainTCPClientConnected() {
    setOfflineObject(false);
    m_connected = true;
    m_runtime.pages().DoActionByEvenID(PageEvents::onOnline, QStringLiteral("1"));
}

void ControllerLink::MainTCPClientDisconnected() {
    m_connected = false;
    setOfflineObject(true);
    emit wantsUserTimer();
    m_runtime.pages().DoActionByEvenID(PageEvents::onOffline, QStringLiteral("1"));
}

void ControllerLink::MainRcvThreadTerminated() {
    emit wantsUserTimer();
    m_connected = false;
    m_runtime.pages().DoActionByEvenID(PageEvents::onOffline, QStringLiteral("1"));
    if (m_showDebugData)
        emit statusText(QString::fromUtf8(messages::MonitorThreadTerminated), StatusTicks);
}
