#include "ScenarioRunner.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ScenarioRunner, EveryMatchingRuleAnswersInFileOrder) {
    ScenarioRunner runner(parseScenario(QStringLiteral("on lamp* send [task]\n"
                                                       "on fan.tsk send fan\n"
                                                       "on lamp1.tsk send one [val]\n"
                                                       "on * send any"),
                                        QStringLiteral("test"))
                              .scenario);
    QSignalSpy sent(&runner, &ScenarioRunner::broadcastReady);
    runner.handleTask(QStringLiteral("lamp1.tsk?val=1"));
    runner.handleTask(QStringLiteral("@Pi@"));
    QStringList messages;
    for (const QList<QVariant> &signal : sent)
        messages << signal.at(0).toString();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("lamp1.tsk?val=1"), QStringLiteral("one 1"),
                                     QStringLiteral("any")}));
}

TEST(ScenarioRunner, RepeatsTimedMessages) {
    ScenarioRunner runner(
        parseScenario(QStringLiteral("every 0.05 send tick"), QStringLiteral("test")).scenario);
    QSignalSpy sent(&runner, &ScenarioRunner::broadcastReady);
    runner.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sent.size() >= 3; }, 2000));
    EXPECT_EQ(sent.at(0).at(0).toString(), QStringLiteral("tick"));
}

TEST(ScenarioRunner, GreetsEachPanelOnItsOwn) {
    ScenarioRunner runner(
        parseScenario(QStringLiteral("after 0.05 send hi [time]"), QStringLiteral("test"))
            .scenario);
    QSignalSpy greeted(&runner, &ScenarioRunner::messageForClient);
    runner.handleClientConnected(7);
    runner.handleClientConnected(9);
    EXPECT_TRUE(QTest::qWaitFor([&] { return greeted.size() == 2; }, 2000));
    EXPECT_EQ(greeted.at(0).at(0).toInt(), 7);
    EXPECT_EQ(greeted.at(1).at(0).toInt(), 9);
    EXPECT_TRUE(greeted.at(0).at(1).toString().startsWith(QStringLiteral("hi ")));
}

TEST(ScenarioRunner, TheShippedDemoScenarioIsValid) {
    const ScenarioParse parsed = loadScenario(QStringLiteral(CONTROLLER_SIM_DIR "/demo.scenario"));
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_FALSE(parsed.scenario.rules.empty());
}

} // namespace
