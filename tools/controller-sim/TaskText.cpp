#include "TaskText.h"

QStringList splitIncoming(const QString &chunk) {
    QStringList pieces;
    const auto addTask = [&pieces](QStringView text) {
        const QStringView trimmed = text.trimmed();
        if (!trimmed.isEmpty())
            pieces << trimmed.toString();
    };
    qsizetype from = 0;
    for (qsizetype at = chunk.indexOf(kKeepAlive); at >= 0; at = chunk.indexOf(kKeepAlive, from)) {
        addTask(QStringView(chunk).mid(from, at - from));
        pieces << kKeepAlive;
        from = at + kKeepAlive.size();
    }
    addTask(QStringView(chunk).mid(from));
    return pieces;
}

QString taskName(const QString &task) {
    return task.section(u'?', 0, 0);
}

QString taskValue(const QString &task) {
    const qsizetype question = task.indexOf(u'?');
    if (question < 0)
        return {};
    const QString query = task.mid(question + 1);
    const QString key = QStringLiteral("val=");
    for (const QString &pair : query.split(u'&')) {
        if (pair.startsWith(key))
            return pair.mid(key.size());
    }
    return query;
}
