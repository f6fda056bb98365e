#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

// The process-wide list of key=value lines shared by scripts and two-state
// objects. Keys are compared without regard to case; an empty value removes
// the key's line. Safe to use from any thread.
class KeyValueStore {
public:
    QString value(const QString &key) const;
    void setValue(const QString &key, const QString &value);
    // The lines in their order, as key=value.
    QStringList lines() const;

private:
    int indexOf(const QString &key) const;

    mutable QMutex m_mutex;
    QStringList m_lines;
};
