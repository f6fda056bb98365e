#include "StdinReader.h"

#include <QString>

#ifdef Q_OS_WIN
#include <QMetaObject>

#include <atomic>
#include <thread>

#include <windows.h>
#else
#include <QSocketNotifier>

#include <cerrno>

#include <unistd.h>
#endif

namespace {
constexpr int kReadSize = 4096;
}

#ifdef Q_OS_WIN

// Console and pipe handles cannot be waited on alike, so a thread blocks in
// ReadFile; stopping cancels that read.
struct StdinReader::Platform {
    std::thread thread;
    std::atomic<bool> stopping{false};

    ~Platform() {
        if (!thread.joinable())
            return;
        stopping = true;
        CancelSynchronousIo(static_cast<HANDLE>(thread.native_handle()));
        thread.join();
    }
};

void StdinReader::start() {
    m_platform->thread = std::thread([this] {
        const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        char buffer[kReadSize];
        DWORD count = 0;
        while (!m_platform->stopping && ReadFile(input, buffer, kReadSize, &count, nullptr) &&
               count > 0) {
            const QByteArray bytes(buffer, int(count));
            QMetaObject::invokeMethod(
                this, [this, bytes] { deliver(bytes); }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this, [this] { end(); }, Qt::QueuedConnection);
    });
}

#else

struct StdinReader::Platform {
    QSocketNotifier notifier{STDIN_FILENO, QSocketNotifier::Read};
};

void StdinReader::start() {
    connect(&m_platform->notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[kReadSize];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count > 0)
            deliver(QByteArray(buffer, qsizetype(count)));
        else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
            m_platform->notifier.setEnabled(false);
            end();
        }
    });
    m_platform->notifier.setEnabled(true);
}

#endif

StdinReader::StdinReader(QObject *parent) : QObject(parent), m_platform(new Platform) {}

StdinReader::~StdinReader() = default;

void StdinReader::deliver(const QByteArray &bytes) {
    m_partialLine += bytes;
    for (qsizetype end = m_partialLine.indexOf('\n'); end >= 0; end = m_partialLine.indexOf('\n')) {
        emit lineRead(QString::fromUtf8(m_partialLine.left(end)));
        m_partialLine.remove(0, end + 1);
    }
}

void StdinReader::end() {
    if (m_ended)
        return;
    m_ended = true;
    if (!m_partialLine.isEmpty())
        emit lineRead(QString::fromUtf8(m_partialLine));
    m_partialLine.clear();
    emit finished();
}
