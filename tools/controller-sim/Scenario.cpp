#include "Scenario.h"

#include "MessageText.h"
#include "TaskText.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// Longer waits are surely typing mistakes and would overflow a timer.
constexpr double kMaxSeconds = 24 * 60 * 60;

struct LineParse {
    std::optional<ScenarioRule> rule;
    QString error;
};

// Splits off the first blank-separated word; `rest` keeps the text after it.
QString takeWord(QStringView &rest) {
    rest = rest.trimmed();
    qsizetype end = 0;
    while (end < rest.size() && !rest.at(end).isSpace())
        ++end;
    const QString word = rest.left(end).toString();
    rest = rest.mid(end);
    return word;
}

std::optional<std::chrono::milliseconds> parseSeconds(const QString &word, bool allowZero) {
    bool ok = false;
    const double seconds = word.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds > kMaxSeconds || seconds < 0 ||
        (!allowZero && seconds == 0))
        return std::nullopt;
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}

QString checkPattern(const QString &pattern) {
    if (pattern.isEmpty())
        return QStringLiteral("'on' needs a task name");
    if (pattern.indexOf(u'*') >= 0 && pattern.indexOf(u'*') != pattern.size() - 1)
        return QStringLiteral("'*' is allowed only at the end of the task name '%1'").arg(pattern);
    if (pattern.contains(u'?'))
        return QStringLiteral("the task name '%1' must not hold '?': rules match the name only")
            .arg(pattern);
    return {};
}

LineParse parseLine(QStringView text) {
    QStringView rest = text;
    const QString keyword = takeWord(rest);
    ScenarioRule rule;
    const QString argument = takeWord(rest);
    if (keyword == QLatin1String("on")) {
        rule.trigger = ScenarioRule::Trigger::Task;
        if (const QString problem = checkPattern(argument); !problem.isEmpty())
            return {std::nullopt, problem};
        rule.pattern = argument;
    } else if (keyword == QLatin1String("every") || keyword == QLatin1String("after")) {
        const bool every = keyword == QLatin1String("every");
        rule.trigger = every ? ScenarioRule::Trigger::Every : ScenarioRule::Trigger::After;
        const auto period = parseSeconds(argument, !every);
        if (!period)
            return {std::nullopt, QStringLiteral("'%1' needs a number of seconds %2, got '%3'")
                                      .arg(keyword,
                                           every ? QStringLiteral("above 0 (up to 86400)")
                                                 : QStringLiteral("from 0 to 86400"),
                                           argument)};
        rule.period = *period;
    } else {
        return {std::nullopt,
                QStringLiteral("unknown keyword '%1' (expected on, every or after)").arg(keyword)};
    }
    const QString send = takeWord(rest);
    if (send != QLatin1String("send"))
        return {std::nullopt, QStringLiteral("expected 'send' after '%1 %2', got %3")
                                  .arg(keyword, argument,
                                       send.isEmpty() ? QStringLiteral("the end of the line")
                                                      : QStringLiteral("'%1'").arg(send))};
    const QStringView message = rest.trimmed();
    if (message.isEmpty())
        return {std::nullopt, QStringLiteral("'send' needs a message")};
    rule.message = unescapeMessage(message.toString());
    return {rule, {}};
}

} // namespace

bool ScenarioRule::matches(const QString &task) const {
    if (trigger != Trigger::Task)
        return false;
    const QString name = taskName(task);
    if (pattern.endsWith(u'*'))
        return name.startsWith(QStringView(pattern).chopped(1));
    return name == pattern;
}

ScenarioParse parseScenario(const QString &text, const QString &fileName) {
    ScenarioParse result;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView line = QStringView(lines.at(i)).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        LineParse parsed = parseLine(line);
        if (!parsed.rule) {
            result.error = QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(parsed.error);
            result.scenario.rules.clear();
            return result;
        }
        result.scenario.rules.push_back(std::move(*parsed.rule));
    }
    return result;
}

ScenarioParse loadScenario(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ScenarioParse failed;
        failed.error =
            QStringLiteral("%1: cannot read the scenario: %2").arg(path, file.errorString());
        return failed;
    }
    return parseScenario(QString::fromUtf8(file.readAll()), path);
}

QString expandMessage(const QString &message, const QString &task, const QTime &now) {
    static const QRegularExpression placeholder(QStringLiteral("\\[(val|task|time)\\]"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString expanded;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(message); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        expanded += QStringView(message).mid(from, match.capturedStart() - from);
        const QString name = match.captured(1).toLower();
        if (name == QLatin1String("val"))
            expanded += taskValue(task);
        else if (name == QLatin1String("task"))
            expanded += task;
        else
            expanded += now.toString(QStringLiteral("hh:mm:ss"));
        from = match.capturedEnd();
    }
    expanded += QStringView(message).mid(from);
    return expanded;
}
