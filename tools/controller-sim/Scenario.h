#pragma once

#include <QString>
#include <QTime>

#include <chrono>
#include <vector>

// One line of a scenario: when to send which message.
struct ScenarioRule {
    enum class Trigger {
        Task,  // a panel sent a task whose name matches `pattern`
        Every, // repeatedly, every `seconds`
        After, // once, `seconds` after a panel connects
    };

    Trigger trigger = Trigger::Task;
    // Task name; a trailing "*" makes it a prefix.
    QString pattern;
    std::chrono::milliseconds period{0};
    // Line breaks already decoded; placeholders are filled when sent.
    QString message;

    bool matches(const QString &task) const;
};

struct Scenario {
    std::vector<ScenarioRule> rules;
};

// A scenario, or the first problem as "file:line: what is wrong".
struct ScenarioParse {
    Scenario scenario;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// `fileName` only names the source in messages.
ScenarioParse parseScenario(const QString &text, const QString &fileName);
ScenarioParse loadScenario(const QString &path);

// Fills [val] (the task's value), [task] (the whole task text) and [time]
// (hh:mm:ss); case does not matter. Other bracketed text is left alone, as
// messages may carry code.
QString expandMessage(const QString &message, const QString &task, const QTime &now);
