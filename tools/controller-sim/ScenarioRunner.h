#pragma once

#include "Scenario.h"

#include <QObject>

// Plays a scenario: answers tasks, sends the timed messages. It only decides
// what to send and to whom; the server does the sending.
class ScenarioRunner : public QObject {
    Q_OBJECT
public:
    explicit ScenarioRunner(Scenario scenario, QObject *parent = nullptr);

    // Starts the "every" rules; they stop with the runner.
    void start();

    // Every matching "on" rule, in file order, gives one message to all panels.
    void handleTask(const QString &task);
    // Arms the "after" rules for this panel.
    void handleClientConnected(int clientId);

signals:
    void broadcastReady(const QString &message);
    void messageForClient(int clientId, const QString &message);

private:
    Scenario m_scenario;
};
