#pragma once

#include "LinkClock.h"
#include "StateReports.h"
#include "TcpSendThread.h"

#include <QObject>

#include <memory>

class PageRuntime;

// The player's one connection to the controller, as the main thread sees
// it: tasks and keep-alives go out through the link thread, batches come
// back to the state reports, and the link's ups and downs show on the page
// (its two status objects and the online and offline page events).
class ControllerLink : public QObject {
    Q_OBJECT
public:
    ControllerLink(PageRuntime &runtime, LinkTimings timings = {}, QObject *parent = nullptr);
    ~ControllerLink() override;

    void StartTCPClientSendThread();
    // Nothing for hosts shorter than 8 characters. The first message only
    // starts the link thread when there is none yet.
    bool SendTCP(const QString &host, const QString &port, const QString &data);
    // The link's step of the one-second page clock.
    void UserTimerStep(const QString &targetHost, const QString &targetPort);
    // Disconnects; unread input is dropped.
    void DisconnectTCP();

    bool isMainTCPClientConnected() const { return m_connected; }
    bool hasSendThread() const { return bool(TCP_SendTThread); }
    StateReports &reports() { return m_reports; }
    LinkClock &clock() { return m_clock; }
    void setShowDebugData(bool on);
    void setShowTcpStatus(bool on) { m_showTcpStatus = on; }

signals:
    // A text for the status line, with its ticks.
    void statusText(const QString &text, int delays);
    // The link lost or gained its connection: the page clock must run.
    void wantsUserTimer();
    void SendResult(int code, const QString &text);

private:
    void MainTCPClientConnected();
    void MainTCPClientDisconnected();
    void MainRcvThreadTerminated();
    void setOfflineObject(bool offline);

    PageRuntime &m_runtime;
    const LinkTimings m_timings;
    StateReports m_reports;
    LinkClock m_clock;
    std::unique_ptr<TThread_TCPSend> TCP_SendTThread;
    bool m_connected = false;
    bool m_showTcpStatus = true;
    bool m_showDebugData = false;
};
