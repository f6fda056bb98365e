#pragma once

#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    // Full path of a name inside the folder (no delimiter handling needed).
    QString path(const QString &name = QString()) const;
    // Writes a file (creating folders on the way) and returns its full path.
    QString write(const QString &name, const QByteArray &contents) const;

private:
    QTemporaryDir m_dir;
};
