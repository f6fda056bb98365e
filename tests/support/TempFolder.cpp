#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder() = default;

QString TempFolder::path(const QString &name) const {
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

QString TempFolder::write(const QString &name, const QByteArray &contents) const {
    const QString full = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return full;
}
