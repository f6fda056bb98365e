#include "TaskText.h"
#include "StdinMessages.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char *chunk;
    QStringList pieces;
};

class Splitting : public testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, SeparatesKeepAlivesFromTasks) {
    EXPECT_EQ(splitIncoming(QString::fromUtf8(GetParam().chunk)), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    TaskText, Splitting,
    testing::Values(
        SplitCase{"lamp1_on.tsk?val=1&bt=2", {QStringLiteral("lamp1_on.tsk?val=1&bt=2")}},
        SplitCase{"@Pi@", {QStringLiteral("@Pi@")}},
        SplitCase{"@Pi@@Pi@", {QStringLiteral("@Pi@"), QStringLiteral("@Pi@")}},
        SplitCase{"@Pi@a.tsk?val=1@Pi@",
                  {QStringLiteral("@Pi@"), QStringLiteral("a.tsk?val=1"), QStringLiteral("@Pi@")}},
        SplitCase{"a.tsk?val=1\r\n", {QStringLiteral("a.tsk?val=1")}},
        SplitCase{"say.tsk?t=a\r\nb", {QStringLiteral("say.tsk?t=a\r\nb")}},
        SplitCase{" \r\n", {}}));

TEST(StdinMessages, LinesAndBlocksBecomeMessages) {
    StdinMessages messages;
    QStringList out;
    const char *lines[] = {"@RTD_BEGIN\\nLamp1|ON|100\r",
                           "",
                           "<<<",
                           "@RTD_BEGIN",
                           "Lamp2||0",
                           "",
                           ">>>",
                           "_ENG=run()"};
    for (const char *line : lines) {
        if (const auto message = messages.addLine(QString::fromUtf8(line)))
            out << *message;
    }
    EXPECT_EQ(
        out, (QStringList{QStringLiteral("@RTD_BEGIN\nLamp1|ON|100"),
                          QStringLiteral("@RTD_BEGIN\nLamp2||0\n"), QStringLiteral("_ENG=run()")}));
    EXPECT_FALSE(messages.inBlock());
}

} // namespace
