#include "text/DelphiFormat.h"

#include <gtest/gtest.h>

using namespace text;

namespace {

// The script library's eleven values: five strings, then six integers.
const QVector<FormatArg> elevenValues = {"a", "b", "c", "d", "e", 10, 11, 12, 13, 14, 15};

} // namespace

TEST(DelphiFormatTest, ItemsFormatTheirArguments) {
    const struct {
        const char *format;
        QVector<FormatArg> args;
        const char *expected;
    } cases[] = {
        {"", {}, ""},
        {"plain text", {}, "plain text"},
        {"%%", {}, "%"},
        {"100%% of %s", {"it"}, "100% of it"},
        {"%d", {42}, "42"},
        {"%d", {-42}, "-42"},
        {"%D", {42}, "42"},
        {"%d", {qint64(9876543210)}, "9876543210"},
        {"%5d", {42}, "   42"},
        {"%-5d|", {42}, "42   |"},
        {"%1d", {123}, "123"},
        {"%.3d", {7}, "007"},
        {"%.3d", {-7}, "-007"},
        {"%5.3d", {7}, "  007"},
        {"%.2d", {12345}, "12345"},
        {"%u", {42}, "42"},
        {"%u", {-1}, "4294967295"},
        {"%x", {255}, "FF"},
        {"%X", {171}, "AB"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%p", {255}, "000000FF"},
        {"%s", {"abc"}, "abc"},
        {"%s", {""}, ""},
        {"%.2s", {"abc"}, "ab"},
        {"%.5s", {"abc"}, "abc"},
        {"%10s", {"abc"}, "       abc"},
        {"%-10s|", {"abc"}, "abc       |"},
        {"%2s", {"abcd"}, "abcd"},
        {"%s", {"温度"}, "温度"},
        {"%f", {3.14159}, "3.14"},
        {"%.3f", {3.14159}, "3.142"},
        {"%.0f", {2.5}, "3"},
        {"%.2f", {0.125}, "0.13"},
        {"%f", {-0.5}, "-0.50"},
        {"%f", {0.0}, "0.00"},
        {"%.1f", {99.96}, "100.0"},
        {"%8.2f", {123.456}, "  123.46"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {1234.5}, "1.23E+003"},
        {"%e", {-0.00012}, "-1.20000000000000E-004"},
        {"%e", {0.0}, "0.00000000000000E+000"},
        {"%g", {1234.5}, "1234.5"},
        {"%g", {0.5}, "0.5"},
        {"%g", {100.0}, "100"},
        {"%g", {-2.25}, "-2.25"},
        {"%g", {0.0}, "0"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {1234567.891}, "1,234,568"},
        {"%n", {-1234.5}, "-1,234.50"},
        {"%n", {999.999}, "1,000.00"},
        {"%n", {12.0}, "12.00"},
        {"%m", {1234.5}, "1,234.50"},
        {"%d %d %0:d %d", {10, 20}, "10 20 10 20"},
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%1:s-%s", {"a", "b", "c"}, "b-c"},
        {"%5:d", elevenValues, "10"},
        {"%5:d %d", elevenValues, "10 11"},
        {"%s %10:d", elevenValues, "a 15"},
        {"%2:-4s|", {"a", "b", "c"}, "c   |"},
        {"%*d", {5, 42}, "   42"},
        {"%-*d|", {4, 7}, "7   |"},
        {"%*.*f", {8, 2, 123.456}, "  123.46"},
        {"%.*s", {1, "abc"}, "a"},
        {"%s", {"a", 1}, "a"},
    };
    for (const auto &c : cases) {
        QString error = QStringLiteral("stale");
        EXPECT_EQ(Format(QString::fromUtf8(c.format), c.args, &error),
                  QString::fromUtf8(c.expected))
            << c.format;
        EXPECT_TRUE(error.isEmpty()) << c.format << ": " << error.toStdString();
    }
}

TEST(DelphiFormatTest, FaultyItemsGiveNoTextAndTheRuntimesMessage) {
    const char *const invalid = "Format '%1' invalid or incompatible with argument";
    const char *const missing = "No argument for format '%1'";
    const struct {
        const char *format;
        QVector<FormatArg> args;
        const char *message;
    } cases[] = {
        {"%d", {}, missing},           {"%s %s", {"a"}, missing},
        {"%3:d", {1}, missing},        {"%11:d", elevenValues, missing},
        {"%*d", {5}, missing},         {"%s", {42}, invalid},
        {"%s", {1.5}, invalid},        {"%d", {1.5}, invalid},
        {"%d", {"7"}, invalid},        {"%x", {"a"}, invalid},
        {"%f", {1}, invalid},          {"%e", {"1"}, invalid},
        {"%y", {1}, invalid},          {"text %", {1}, invalid},
        {"%5", {1}, invalid},          {"%*d", {"5", 42}, invalid},
        {"%d", elevenValues, invalid},
    };
    for (const auto &c : cases) {
        const QString format = QString::fromUtf8(c.format);
        QString error;
        EXPECT_TRUE(Format(format, c.args, &error).isEmpty()) << c.format;
        EXPECT_EQ(error, QString::fromLatin1(c.message).arg(format)) << c.format;
    }
}

TEST(DelphiFormatTest, WorksWithoutAnErrorSlot) {
    EXPECT_EQ(Format(QStringLiteral("%d"), {}), QString());
    EXPECT_EQ(Format(QStringLiteral("%d"), {3}), QStringLiteral("3"));
}
