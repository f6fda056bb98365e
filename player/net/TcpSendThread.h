#pragma once

#include "LinkWorker.h"

#include <QThread>

// The controller link's thread and the worker that lives on it. Created
// once; ending it ends the connection.
class TThread_TCPSend {
public:
    TThread_TCPSend(LinkTimings timings, const std::atomic<bool> &mainIsApplying);
    ~TThread_TCPSend();
    TThread_TCPSend(const TThread_TCPSend &) = delete;
    TThread_TCPSend &operator=(const TThread_TCPSend &) = delete;

    LinkWorker *worker() const { return m_worker; }
    void Send(const QString &ip, const QString &port, const QString &msg) {
        m_worker->Send(ip, port, msg);
    }
    void DisConnect() { m_worker->DisConnect(); }

private:
    QThread m_thread;
    LinkWorker *m_worker;
};
