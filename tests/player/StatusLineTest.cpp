#include "runtime/StatusLine.h"

#include <gtest/gtest.h>

namespace {

struct ShowCase {
    int delays;
    qreal opacity;
    int ticksUntilHidden; // -1: never hides
};

class StatusLineShow : public ::testing::TestWithParam<ShowCase> {};

TEST_P(StatusLineShow, OpacityAndCountdownFollowTheDelay) {
    const ShowCase c = GetParam();
    StatusLine line;
    line.ShowInfoBox(QStringLiteral("hello"), 0, 0, c.delays);
    EXPECT_TRUE(line.isVisible());
    EXPECT_DOUBLE_EQ(line.rectangleOpacity(), c.opacity);
    EXPECT_EQ(line.text(), QStringLiteral("hello"));

    int ticks = 0;
    while (line.isVisible() && ticks < 50) {
        line.tick();
        ++ticks;
    }
    EXPECT_EQ(line.isVisible() ? -1 : ticks, c.ticksUntilHidden);
}

INSTANTIATE_TEST_SUITE_P(Delays, StatusLineShow,
                         ::testing::Values(ShowCase{1, 0.45, 1}, ShowCase{5, 0.45, 5},
                                           ShowCase{6, 0.95, 6}, ShowCase{30, 0.95, 30},
                                           ShowCase{0, 0.95, -1}, ShowCase{-1, 0.95, -1}),
                         [](const ::testing::TestParamInfo<ShowCase> &info) {
                             const int d = info.param.delays;
                             return d < 0 ? std::string("minus1") : std::to_string(d);
                         });

TEST(StatusLine, EmptyTextsAndMessagesWhileClosingAreIgnored) {
    StatusLine line;
    line.ShowInfoBox(QStringLiteral("first"), 0, 0, 3);
    line.ShowInfoBox(QString(), 0, 0, 0);
    EXPECT_EQ(line.text(), QStringLiteral("first"));
    EXPECT_EQ(line.TimerinfoBoxDelayS(), 3);

    line.setClosing(true);
    line.ShowInfoBox(QStringLiteral("late"), 0, 0, 0);
    EXPECT_EQ(line.text(), QStringLiteral("first"));
}

TEST(StatusLine, HideStopsTheCountdown) {
    StatusLine line;
    line.ShowInfoBox(QStringLiteral("x"), 0, 0, 4);
    line.HideInfoBox();
    EXPECT_FALSE(line.isVisible());
    EXPECT_EQ(line.TimerinfoBoxDelayS(), -1);
}

} // namespace
