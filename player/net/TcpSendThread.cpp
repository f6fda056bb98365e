#include "TcpSendThread.h"

TThread_TCPSend::TThread_TCPSend(LinkTimings timings, const std::atomic<bool> &mainIsApplying)
    : m_worker(new LinkWorker(timings, mainIsApplying)) {
    m_thread.setObjectName(QStringLiteral("controller link"));
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

TThread_TCPSend::~TThread_TCPSend() {
    // The worker's socket closes with it on its own thread.
    m_thread.quit();
    m_thread.wait();
}
