#pragma once

#include <QMutex>
#include <QObject>
#include <QStringDecoder>
#include <QTimer>

#include <atomic>

class QTcpSocket;

// How long the link waits; tests shorten them, the defaults are the product's.
struct LinkTimings {
    int connectTimeoutMs = 2000;
    int readTimeoutMs = 1000;
    // Incoming text is one batch until this long passes without data.
    int silenceMs = 250;
};

// Drives the controller connection on the link's own thread: connects on
// demand, writes the one pending message, and gathers what the controller
// sends into batches cut by silence. Requests come from other threads and
// are guarded by one lock; while an operation runs the link is busy and a
// request only replaces the pending message.
class LinkWorker : public QObject {
    Q_OBJECT
public:
    enum Event { None = -1, Connect = 1, SendMessage = 2, Disconnect = 3 };

    LinkWorker(LinkTimings timings, const std::atomic<bool> &mainIsApplying);

    // Thread-safe requests.
    void Send(const QString &ip, const QString &port, const QString &msg);
    void DisConnect();

signals:
    // The result of an operation: 1 for the connect stage, 4 for the write stage.
    void SendResult(int code, const QString &text);
    void Connected();
    void Disconnected();
    void Status(const QString &text);
    // A batch of text from the controller, for the main thread.
    void BatchReceived(const QString &batch);
    // Reading failed: the connection is gone.
    void ReceiveEnded();

private:
    void wake();
    void Execute();
    void _connect();
    void _SendMsg();
    void _DisconnectTCP();
    void ensureSocket();
    void onReadyRead();
    void onSilence();
    void onSocketDisconnected();

    const LinkTimings m_timings;
    const std::atomic<bool> &m_mainIsApplying;

    QMutex LockCode;
    QString msg;
    QString ip;
    QString port;
    bool isBusy = false;
    int eventID = None;
    std::atomic<bool> m_wakePending{false};

    // Owned by the link thread from here on.
    QTcpSocket *m_socket = nullptr;
    QTimer *m_silence = nullptr;
    bool isConnected = false;
    bool m_announcedConnection = false;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
    QString allLine;
};
