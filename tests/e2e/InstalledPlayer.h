#pragma once

#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

// A copy of the real player in a folder of its own, with its own temporary
// folder (where its single-instance lock lives), started on a screen-less
// display and asking for designers only on this machine.
class InstalledPlayer {
public:
    InstalledPlayer();
    ~InstalledPlayer();

    QString folder() const { return m_install.path(); }
    QString writeProjectFile(const QString &name, const QByteArray &contents) const;
    QString lockFilePath() const;

    // Starts another process of this installation; it is ended with the test.
    QProcess &start(const QStringList &arguments = {});
    bool waitForLock(int timeoutMs) const;

private:
    TempFolder m_install;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
