#include "page/ValueForms.h"

#include <gtest/gtest.h>

#include <limits>

using namespace page;

TEST(ValueFormsTest, IntegersReadLikeTheWrittenForm) {
    constexpr int32_t min = std::numeric_limits<int32_t>::min();
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    const struct {
        const char *text;
        std::optional<int32_t> expected;
    } cases[] = {
        {"42", 42},
        {"-42", -42},
        {"+7", 7},
        {"007", 7},
        {"   15", 15},
        {"15 ", std::nullopt},
        {"1 5", std::nullopt},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$80000000", min},
        {"$100000000", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$1G", std::nullopt},
        {"12.5", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"2147483647", max},
        {"2147483648", std::nullopt},
        {"-2147483648", min},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(parseInteger(text), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(readInteger(text, 12), c.expected.value_or(12)) << '"' << c.text << '"';
    }
}

TEST(ValueFormsTest, ColoursAreSignedArgb) {
    const struct {
        const char *text;
        uint32_t fallback;
        uint32_t expected;
    } cases[] = {
        {"-16777216", 0, 0xFF000000},
        {"-1", 0, 0xFFFFFFFF},
        {"0", 0xFFFFFFFF, 0},
        {"$FF000000", 0, 0xFF000000},
        {"4278190080", 0x12345678, 0x12345678},
        {"", 0xFFFFFFFF, 0xFFFFFFFF},
        {"abc", 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readColour(QString::fromUtf8(c.text), c.fallback), c.expected) << c.text;
}

TEST(ValueFormsTest, BothFlagForms) {
    const struct {
        const char *text;
        bool exactTrue;
        bool trueAnyCase;
    } cases[] = {
        {"true", true, true},    {"True", false, true}, {"TRUE", false, true},
        {"false", false, false}, {"", false, false},    {" true", false, false},
        {"1", false, false},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(readFlagExactTrue(text), c.exactTrue) << '"' << c.text << '"';
        EXPECT_EQ(readFlagTrueAnyCase(text), c.trueAnyCase) << '"' << c.text << '"';
    }
}
