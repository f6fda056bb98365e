#include "runtime/HoldToConfigure.h"

#include <gtest/gtest.h>

using HoldResult = HoldToConfigure::HoldResult;

namespace {

const QDateTime kPressed(QDate(2024, 5, 1), QTime(9, 0));

} // namespace

TEST(HoldToConfigure, TheLengthOfTheHoldDecides) {
    struct Case {
        qint64 heldMs;
        HoldResult expected;
    };
    const Case cases[] = {
        {0, HoldResult::Nothing},
        {8000, HoldResult::Nothing},
        {8999, HoldResult::Nothing},
        {9000, HoldResult::ShowHoldMessage},
        {10000, HoldResult::ShowHoldMessage},
        {10900, HoldResult::ShowHoldMessage},
        {11000, HoldResult::OpenSettings},
        {12000, HoldResult::OpenSettings},
        {19000, HoldResult::OpenSettings},
        {19999, HoldResult::OpenSettings},
        {20000, HoldResult::ShowHoldMessage},
        {25000, HoldResult::ShowHoldMessage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.heldMs);
        HoldToConfigure hold;
        hold.RecordPressBeginTime(kPressed);
        EXPECT_EQ(hold.CheckIfUserWantUpdateUI(kPressed.addMSecs(c.heldMs)), c.expected);
    }
}

TEST(HoldToConfigure, AReleaseWithoutAPressDoesNothing) {
    HoldToConfigure hold;
    EXPECT_EQ(hold.CheckIfUserWantUpdateUI(kPressed.addSecs(12)), HoldResult::Nothing);
}

TEST(HoldToConfigure, OnePressIsAnsweredOnce) {
    HoldToConfigure hold;
    hold.RecordPressBeginTime(kPressed);
    EXPECT_EQ(hold.CheckIfUserWantUpdateUI(kPressed.addSecs(12)), HoldResult::OpenSettings);
    EXPECT_EQ(hold.CheckIfUserWantUpdateUI(kPressed.addSecs(13)), HoldResult::Nothing);

    hold.RecordPressBeginTime(kPressed.addSecs(20));
    EXPECT_EQ(hold.CheckIfUserWantUpdateUI(kPressed.addSecs(29)), HoldResult::ShowHoldMessage);
}
