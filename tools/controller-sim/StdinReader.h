#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

// Reads standard input line by line inside the event loop, so the program
// can stop at any time, also while nothing is typed. The one place that
// needs the platform's own calls.
class StdinReader : public QObject {
    Q_OBJECT
public:
    explicit StdinReader(QObject *parent = nullptr);
    ~StdinReader() override;

    void start();

signals:
    void lineRead(const QString &line);
    void finished();

private:
    void deliver(const QByteArray &bytes);
    void end();

    struct Platform;
    std::unique_ptr<Platform> m_platform;
    QByteArray m_partialLine;
    bool m_ended = false;
};
