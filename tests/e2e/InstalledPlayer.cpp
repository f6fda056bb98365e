#include "InstalledPlayer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

InstalledPlayer::InstalledPlayer() : m_environment(QProcessEnvironment::systemEnvironment()) {
    QFile::copy(QStringLiteral(PANELO_BINARY), m_install.path(QStringLiteral("panelo")));
    QDir().mkpath(m_install.path(QStringLiteral("tmp")));
    m_environment.insert(QStringLiteral("TMPDIR"), m_install.path(QStringLiteral("tmp")));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("PANELO_DESIGNER_ADDRESS"), QStringLiteral("127.0.0.1"));
}

InstalledPlayer::~InstalledPlayer() {
    for (auto &process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

QString InstalledPlayer::writeProjectFile(const QString &name, const QByteArray &contents) const {
    return m_install.write(QStringLiteral("sdata/") + name, contents);
}

QString InstalledPlayer::lockFilePath() const {
    return m_install.path(QStringLiteral("tmp/Panelo_v1.lock"));
}

QProcess &InstalledPlayer::start(const QStringList &arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setWorkingDirectory(m_install.path());
    process->start(m_install.path(QStringLiteral("panelo")), arguments);
    process->waitForStarted(5000);
    m_processes.push_back(std::move(process));
    return *m_processes.back();
}

bool InstalledPlayer::waitForLock(int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (QFile::exists(lockFilePath()))
            return true;
        QThread::msleep(20);
    }
    return false;
}
