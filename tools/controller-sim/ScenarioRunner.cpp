#include "ScenarioRunner.h"

#include "TaskText.h"

#include <QTimer>

ScenarioRunner::ScenarioRunner(Scenario scenario, QObject *parent)
    : QObject(parent), m_scenario(std::move(scenario)) {}

void ScenarioRunner::start() {
    for (const ScenarioRule &rule : m_scenario.rules) {
        if (rule.trigger != ScenarioRule::Trigger::Every)
            continue;
        auto *timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(rule.period);
        connect(timer, &QTimer::timeout, this, [this, message = rule.message] {
            emit broadcastReady(expandMessage(message, {}, QTime::currentTime()));
        });
        timer->start();
    }
}

void ScenarioRunner::handleTask(const QString &task) {
    if (task == kKeepAlive)
        return;
    for (const ScenarioRule &rule : m_scenario.rules) {
        if (rule.matches(task))
            emit broadcastReady(expandMessage(rule.message, task, QTime::currentTime()));
    }
}

void ScenarioRunner::handleClientConnected(int clientId) {
    for (const ScenarioRule &rule : m_scenario.rules) {
        if (rule.trigger != ScenarioRule::Trigger::After)
            continue;
        QTimer::singleShot(
            rule.period, Qt::PreciseTimer, this, [this, clientId, message = rule.message] {
                emit messageForClient(clientId, expandMessage(message, {}, QTime::currentTime()));
            });
    }
}
