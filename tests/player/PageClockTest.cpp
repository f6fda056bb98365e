#include "runtime/PageClock.h"
#include "runtime/PageTimers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Page timers on a clock whose ticks the test gives by hand, recording on
// which tick each element's action ran.
class PageClockTest : public ::testing::Test {
protected:
    PageClockTest() : clock(timers) {
        QObject::connect(&clock, &PageClock::timerFired, [this](int xmlId) {
            fired.push_back({tick, xmlId});
        });
    }

    void run(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++tick;
            clock.UserTimerTimer();
        }
    }

    struct Firing {
        int tick;
        int xmlId;
        bool operator==(const Firing &other) const {
            return tick == other.tick && xmlId == other.xmlId;
        }
    };

    PageTimers timers;
    PageClock clock;
    int tick = 0;
    std::vector<Firing> fired;
};

TEST_F(PageClockTest, TimersFireEveryIntervalTicksAndZeroNeverFires) {
    timers.add(TTimeList{QStringLiteral("Blink"), 0, 2, 4});
    timers.add(TTimeList{QStringLiteral("Slow"), 0, 3, 5});
    timers.add(TTimeList{QStringLiteral("Off"), 0, 0, 6});
    run(6);
    EXPECT_EQ(fired, (std::vector<Firing>{{2, 4}, {3, 5}, {4, 4}, {6, 4}, {6, 5}}));
    EXPECT_EQ(timers.myTimerList()[2].current, 0);
}

TEST_F(PageClockTest, ANewIntervalCountsOnFromTheCurrentCount) {
    timers.add(TTimeList{QStringLiteral("Blink"), 0, 2, 4});
    run(3);
    EXPECT_TRUE(clock.SetUserTimerInterval(QStringLiteral("BLINK"), 5));
    EXPECT_EQ(timers.myTimerList()[0].current, 1);
    run(9);
    EXPECT_EQ(fired, (std::vector<Firing>{{2, 4}, {7, 4}, {12, 4}}));
    EXPECT_FALSE(clock.SetUserTimerInterval(QStringLiteral("Nobody"), 5));
}

TEST_F(PageClockTest, AnActionThatReplacesThePageTimersEndsTheTick) {
    timers.add(TTimeList{QStringLiteral("Leave"), 0, 1, 4});
    timers.add(TTimeList{QStringLiteral("Never"), 0, 1, 5});
    QObject::connect(&clock, &PageClock::timerFired, [this] { timers.clear(); });
    run(2);
    EXPECT_EQ(fired, (std::vector<Firing>{{1, 4}}));
}

} // namespace
