#include "Scenario.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

using Trigger = ScenarioRule::Trigger;
using std::chrono::milliseconds;

struct ValidCase {
    const char *line;
    Trigger trigger;
    const char *pattern;
    milliseconds period;
    const char *message;
};

class ValidLines : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidLines, BecomeOneRule) {
    const ValidCase &c = GetParam();
    const ScenarioParse parsed =
        parseScenario(QStringLiteral("# a comment\n\n") + QString::fromUtf8(c.line),
                      QStringLiteral("demo.scenario"));
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    ASSERT_EQ(parsed.scenario.rules.size(), 1u);
    const ScenarioRule &rule = parsed.scenario.rules.front();
    EXPECT_EQ(rule.trigger, c.trigger);
    EXPECT_EQ(rule.pattern, QString::fromUtf8(c.pattern));
    EXPECT_EQ(rule.period, c.period);
    EXPECT_EQ(rule.message, QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Scenario, ValidLines,
    testing::Values(
        ValidCase{"on lamp1_on.tsk send @RTD_BEGIN\\nLamp1||100", Trigger::Task, "lamp1_on.tsk",
                  milliseconds(0), "@RTD_BEGIN\nLamp1||100"},
        ValidCase{"  on   volume.tsk*   send   @RTD_BEGIN\\nStatusText|Volume [val]|100  \r",
                  Trigger::Task, "volume.tsk*", milliseconds(0),
                  "@RTD_BEGIN\nStatusText|Volume [val]|100"},
        ValidCase{"on * send _ENG=print('x # y')", Trigger::Task, "*", milliseconds(0),
                  "_ENG=print('x # y')"},
        ValidCase{"every 5 send @RTD_BEGIN\\nClock|[time]|100", Trigger::Every, "",
                  milliseconds(5000), "@RTD_BEGIN\nClock|[time]|100"},
        ValidCase{"every 0.25 send tick", Trigger::Every, "", milliseconds(250), "tick"},
        ValidCase{"after 0 send @RTD_BEGIN\\r\\nStatusText|Welcome|100", Trigger::After, "",
                  milliseconds(0), "@RTD_BEGIN\r\nStatusText|Welcome|100"},
        ValidCase{"after 2 send a\\\\n b \\d", Trigger::After, "", milliseconds(2000),
                  "a\\n b \\d"}));

struct InvalidCase {
    const char *text;
    const char *error;
};

class InvalidLines : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidLines, NameFileLineAndProblem) {
    const ScenarioParse parsed =
        parseScenario(QString::fromUtf8(GetParam().text), QStringLiteral("demo.scenario"));
    EXPECT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error, QString::fromUtf8(GetParam().error));
    EXPECT_TRUE(parsed.scenario.rules.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scenario, InvalidLines,
    testing::Values(
        InvalidCase{"on a.tsk send x\nwhen a.tsk send x",
                    "demo.scenario:2: unknown keyword 'when' (expected on, every or after)"},
        InvalidCase{"on send x", "demo.scenario:1: expected 'send' after 'on send', got 'x'"},
        InvalidCase{"on", "demo.scenario:1: 'on' needs a task name"},
        InvalidCase{"on a.tsk", "demo.scenario:1: expected 'send' after 'on a.tsk', got the end "
                                "of the line"},
        InvalidCase{"on a.tsk reply x",
                    "demo.scenario:1: expected 'send' after 'on a.tsk', got 'reply'"},
        InvalidCase{"\n\non a.tsk send   ", "demo.scenario:3: 'send' needs a message"},
        InvalidCase{"on a*b.tsk send x",
                    "demo.scenario:1: '*' is allowed only at the end of the task name 'a*b.tsk'"},
        InvalidCase{"on a.tsk?val=1 send x", "demo.scenario:1: the task name 'a.tsk?val=1' must "
                                             "not hold '?': rules match the name only"},
        InvalidCase{"every 0 send x", "demo.scenario:1: 'every' needs a number of seconds above "
                                      "0 (up to 86400), got '0'"},
        InvalidCase{"every soon send x", "demo.scenario:1: 'every' needs a number of seconds "
                                         "above 0 (up to 86400), got 'soon'"},
        InvalidCase{"after -1 send x", "demo.scenario:1: 'after' needs a number of seconds from "
                                       "0 to 86400, got '-1'"}));

TEST(Scenario, UnreadableFileIsNamed) {
    TempFolder folder;
    const ScenarioParse parsed = loadScenario(folder.path(QStringLiteral("missing.scenario")));
    EXPECT_FALSE(parsed.ok());
    EXPECT_TRUE(parsed.error.startsWith(folder.path(QStringLiteral("missing.scenario")) +
                                        QStringLiteral(": cannot read the scenario")))
        << parsed.error.toStdString();
}

TEST(Scenario, FileErrorsCarryThePath) {
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("bad.scenario"), "# ok\nevery x send y\n");
    EXPECT_TRUE(loadScenario(path).error.startsWith(path + QStringLiteral(":2: ")));
}

struct MatchCase {
    const char *pattern;
    const char *task;
    bool matches;
};

class Matching : public testing::TestWithParam<MatchCase> {};

TEST_P(Matching, UsesTheTaskNameOnly) {
    ScenarioRule rule;
    rule.pattern = QString::fromUtf8(GetParam().pattern);
    EXPECT_EQ(rule.matches(QString::fromUtf8(GetParam().task)), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Scenario, Matching,
                         testing::Values(MatchCase{"lamp1_on.tsk", "lamp1_on.tsk", true},
                                         MatchCase{"lamp1_on.tsk", "lamp1_on.tsk?val=1&bt=2", true},
                                         MatchCase{"lamp1_on.tsk", "lamp1_on.tsk2", false},
                                         MatchCase{"lamp1_on.tsk", "Lamp1_on.tsk", false},
                                         MatchCase{"lamp1_on.tsk", "xlamp1_on.tsk", false},
                                         MatchCase{"volume.tsk*", "volume.tsk?val=3", true},
                                         MatchCase{"vol*", "volume.tsk", true},
                                         MatchCase{"vol*", "fan.tsk?v=vol", false},
                                         MatchCase{"*", "anything.tsk", true}));

TEST(Scenario, TimedRulesMatchNoTask) {
    const ScenarioParse parsed =
        parseScenario(QStringLiteral("every 1 send x\nafter 1 send y"), QStringLiteral("s"));
    for (const ScenarioRule &rule : parsed.scenario.rules)
        EXPECT_FALSE(rule.matches(QStringLiteral("x")));
}

struct ExpandCase {
    const char *message;
    const char *task;
    const char *expanded;
};

class Expansion : public testing::TestWithParam<ExpandCase> {};

TEST_P(Expansion, FillsPlaceholders) {
    EXPECT_EQ(expandMessage(QString::fromUtf8(GetParam().message),
                            QString::fromUtf8(GetParam().task), QTime(9, 5, 7)),
              QString::fromUtf8(GetParam().expanded));
}

INSTANTIATE_TEST_SUITE_P(
    Scenario, Expansion,
    testing::Values(ExpandCase{"Volume [val]", "volume.tsk?val=30&bt=1&name=Volume", "Volume 30"},
                    ExpandCase{"Volume [Val]", "volume.tsk?bt=1&val=7", "Volume 7"},
                    ExpandCase{"Fan [val]", "fan.tsk?speed=3&dir=up", "Fan speed=3&dir=up"},
                    ExpandCase{"[val]", "fan.tsk", ""},
                    ExpandCase{"Got [task] at [TIME]", "a.tsk?val=1",
                               "Got a.tsk?val=1 at 09:05:07"},
                    // A value is not expanded again, and code's own brackets stay.
                    ExpandCase{"[val] t[1]", "a.tsk?val=[time]", "[time] t[1]"}));

} // namespace
