#include "text/DateTimeFormat.h"

#include <gtest/gtest.h>

using namespace text;

namespace {

// A Tuesday afternoon, a midnight, a morning and a noon.
const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9, 45));
const QDateTime midnight(QDate(2024, 12, 31), QTime(0, 0, 0));
const QDateTime morning(QDate(1999, 1, 2), QTime(0, 30, 5, 7));
const QDateTime noon(QDate(2000, 10, 22), QTime(12, 0, 0));

} // namespace

TEST(DateTimeFormatTest, TokensWriteTheirPartOfTheMoment) {
    const struct {
        const QDateTime &when;
        const char *format;
        const char *expected;
    } cases[] = {
        {afternoon, "yyyy-mm-dd hh:nn:ss.zzz", "2024-03-05 14:07:09.045"},
        {afternoon, "YYYY-MM-DD HH:NN:SS", "2024-03-05 14:07:09"},
        {afternoon, "yy", "24"},
        {afternoon, "y", "24"},
        {morning, "yyyy", "1999"},
        {afternoon, "m/d/yyyy", "3/5/2024"},
        {afternoon, "mm", "03"},
        {afternoon, "mmm", "Mar"},
        {afternoon, "mmmm", "March"},
        {afternoon, "d", "5"},
        {afternoon, "dd", "05"},
        {afternoon, "ddd", "Tue"},
        {afternoon, "dddd", "Tuesday"},
        {noon, "dddd", "Sunday"},
        {afternoon, "ddddd", "2024-03-05"},
        {afternoon, "dddddd", "Tuesday, March 5, 2024"},
        {afternoon, "h", "14"},
        {morning, "h", "0"},
        {morning, "hh", "00"},
        {afternoon, "n", "7"},
        {afternoon, "nn", "07"},
        {afternoon, "s", "9"},
        {afternoon, "ss", "09"},
        {afternoon, "z", "45"},
        {afternoon, "zz", "45"},
        {afternoon, "zzz", "045"},
        {morning, "zzz", "007"},
        {afternoon, "t", "14:07"},
        {afternoon, "tt", "14:07:09"},
        {afternoon, "c", "2024-03-05 14:07:09"},
        {midnight, "c", "2024-12-31"},
        {afternoon, "", "2024-03-05 14:07:09"},
        {afternoon, "yyyy/mm/dd", "2024/03/05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), c.when),
                  QString::fromUtf8(c.expected))
            << c.format;
}

TEST(DateTimeFormatTest, MonthLettersRightAfterAnHourMeanMinutes) {
    const struct {
        const char *format;
        const char *expected;
    } cases[] = {
        {"hh:mm", "14:07"},       {"h:m", "14:7"},
        {"hh:mm:ss", "14:07:09"}, {"hh 'at' mm", "14 at 07"},
        {"hh dd mm", "14 05 03"}, {"hh:mm mm", "14:07 03"},
        {"mm:ss", "03:09"},       {"mmm hh:mm", "Mar 14:07"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), afternoon),
                  QString::fromUtf8(c.expected))
            << c.format;
}

TEST(DateTimeFormatTest, HalfOfDayTokensSwitchToTwelveHours) {
    const struct {
        const QDateTime &when;
        const char *format;
        const char *expected;
    } cases[] = {
        {afternoon, "h:nn am/pm", "2:07 pm"}, {afternoon, "h:nn AM/PM", "2:07 PM"},
        {afternoon, "h:nn Am/Pm", "2:07 Pm"}, {afternoon, "h a/p", "2 p"},
        {afternoon, "hh ampm", "02 PM"},      {morning, "h:nn am/pm", "12:30 am"},
        {morning, "hh:nn ampm", "12:30 AM"},  {morning, "h A/P", "12 A"},
        {noon, "h am/pm", "12 pm"},           {afternoon, "am/pm h", "pm 14"},
        {afternoon, "h 'am/pm'", "14 am/pm"}, {afternoon, "h h am/pm", "14 2 pm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), c.when),
                  QString::fromUtf8(c.expected))
            << c.format;
}

TEST(DateTimeFormatTest, QuotedAndOtherCharactersAreCopied) {
    const struct {
        const char *format;
        const char *expected;
    } cases[] = {
        {"'hh' hh", "hh 14"},
        {"\"date:\" yyyy", "date: 2024"},
        {"'it''s' d", "its 5"},
        {"yyyy年m月d日", "2024年3月5日"},
        {"[yyyy]", "[2024]"},
        {"'open", "open"},
        {"x", "x"},
        {"a", "a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), afternoon),
                  QString::fromUtf8(c.expected))
            << c.format;
}

TEST(DateTimeFormatTest, DefaultTextIsTheCFormat) {
    EXPECT_EQ(DefaultDateTimeText(afternoon), QStringLiteral("2024-03-05 14:07:09"));
    EXPECT_EQ(DefaultDateTimeText(midnight), QStringLiteral("2024-12-31"));
    EXPECT_EQ(DefaultDateTimeText(QDateTime()), QString());
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy"), QDateTime()), QString());
}

TEST(DateTimeFormatTest, SecondsReadAsHoursMinutesSeconds) {
    const struct {
        qint64 seconds;
        const char *expected;
    } cases[] = {
        {3725, "01:02:05"}, {360000, "100:00:00"}, {59, "00:00:59"},
        {0, "00:00:00"},    {86399, "23:59:59"},   {-5, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(secondToTime(c.seconds), QString::fromLatin1(c.expected)) << c.seconds;
}
