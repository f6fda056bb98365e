#include "SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &name)
    : m_lock(QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"))) {
    // The lock is held as long as the program runs, so its age says nothing:
    // only a dead owner makes it stale.
    m_lock.setStaleLockTime(0);
    // Any other failure (no temporary folder, say) is no sign of another
    // instance and must not keep the program from starting.
    m_alreadyExists = !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
}
