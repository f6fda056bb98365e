#include "KeyValueStore.h"

#include <QMutexLocker>

namespace {
QString keyOf(const QString &line) {
    return line.left(line.indexOf(QLatin1Char('=')));
}
} // namespace

int KeyValueStore::indexOf(const QString &key) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        if (keyOf(m_lines.at(i)).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString KeyValueStore::value(const QString &key) const {
    QMutexLocker lock(&m_mutex);
    const int index = indexOf(key);
    if (index < 0)
        return QString();
    const QString &line = m_lines.at(index);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void KeyValueStore::setValue(const QString &key, const QString &value) {
    QMutexLocker lock(&m_mutex);
    const int index = indexOf(key);
    if (value.isEmpty()) {
        if (index >= 0)
            m_lines.removeAt(index);
        return;
    }
    const QString line = key + QLatin1Char('=') + value;
    if (index >= 0)
        m_lines[index] = line;
    else
        m_lines.append(line);
}

QStringList KeyValueStore::lines() const {
    QMutexLocker lock(&m_mutex);
    return m_lines;
}
