#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another live process of the same name runs, through a lock
// file in the temporary folder held for this object's life. A lock left by a
// process that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString &name);

    bool alreadyExists() const { return m_alreadyExists; }

private:
    QLockFile m_lock;
    bool m_alreadyExists;
};
