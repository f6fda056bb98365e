#include "script/LineLibrary.h"
#include "LineEngineRecordingHost.h"
#include "text/DateTimeFormat.h"
#include "text/DelphiFormat.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using C = LineCommand;

// Every request of the host answers this.
const QString Reply = QStringLiteral("a[\\r]b");

ParaDb arguments(const QStringList &strings, const QVector<int> &integers) {
    ParaDb para;
    for (int i = 0; i < strings.size(); ++i)
        para.AString[i] = strings[i];
    for (int i = 0; i < integers.size(); ++i)
        para.Asingle[i] = integers[i];
    return para;
}

QString callOf(C command, const ParaDb &para, LineEngineRecordingHost &host) {
    host.reply = Reply;
    return AL_RegFunction(int(command), para, host);
}

// A decimal number as the system writes it.
QString decimal(const char *number) {
    return QString::fromLatin1(number).replace(u'.', QLocale::system().decimalPoint());
}

QString formatError(const char *format) {
    QString error;
    text::Format(QString::fromLatin1(format), {QStringLiteral("a")}, &error);
    return error;
}

struct LibraryCase {
    C command;
    QStringList strings;
    QVector<int> integers;
    QString result;
    QStringList calls = {};
};

void PrintTo(const LibraryCase &c, std::ostream *out) {
    *out << "command " << int(c.command) << " with \"" << c.strings.join(u'|').toStdString()
         << "\"";
    for (const int i : c.integers)
        *out << ' ' << i;
}

class LineLibraryFunctions : public testing::TestWithParam<LibraryCase> {};

TEST_P(LineLibraryFunctions, GiveTheirResultAndHostCalls) {
    const LibraryCase &c = GetParam();
    LineEngineRecordingHost host;
    EXPECT_EQ(callOf(c.command, arguments(c.strings, c.integers), host), c.result);
    EXPECT_EQ(host.calls, c.calls);
}

const QString Local = QStringLiteral("127.0.0.1");
const QString Url = QStringLiteral("http://127.0.0.1:1/x");
const QString Status = QStringLiteral("ShowInfoByMain(%1|%2|status)");

INSTANTIATE_TEST_SUITE_P(
    LineLibrary, LineLibraryFunctions,
    testing::Values(
        LibraryCase{C::UpdateUI, {"o", "t"}, {100, 50}, {}, {"UpdateUI(o|t|100|50)"}},
        LibraryCase{C::UpdateUI, {"", "t"}, {100, 50}, {}},
        LibraryCase{
            C::SendTCP, {Local, "d"}, {8800, 1, 50}, Reply, {"idSendTCP(127.0.0.1|8800|d\n|2000)"}},
        LibraryCase{
            C::SendTCP, {Local, "d"}, {8800, 0, 100}, Reply, {"idSendTCP(127.0.0.1|8800|d|100)"}},
        LibraryCase{C::SendTCP, {"", "d"}, {8800}, {}},
        LibraryCase{C::SendTCP, {Local, ""}, {8800}, {}},
        LibraryCase{C::StrToken, {"abc123def456", "\\d+"}, {}, "123"},
        LibraryCase{C::StrToken, {"abc", "\\d+"}, {}, {}},
        LibraryCase{C::StrToken, {"abc", ""}, {}, "abc"},
        LibraryCase{C::StrToken, {"", "x"}, {}, {}},
        LibraryCase{C::StrToken,
                    {"abc", "("},
                    {},
                    {},
                    {Status.arg(QRegularExpression(QStringLiteral("(")).errorString()).arg(5)}},
        LibraryCase{
            C::ShowMessage, {"say \\\"hi\\\""}, {1}, {}, {"ShowInfoByMain(say \"hi\"|5|dialog)"}},
        LibraryCase{C::ShowMessage, {"x"}, {}, {}, {"ShowInfoByMain(x|5|status)"}},
        LibraryCase{
            C::SendUDP, {Local, "d"}, {7799, 1, 9}, {}, {"idSendUDP(127.0.0.1|7799|d\n|1000)"}},
        LibraryCase{
            C::SendUDP, {Local, "d"}, {7799, 0, 10}, {}, {"idSendUDP(127.0.0.1|7799|d|10)"}},
        LibraryCase{C::SendUDP, {Local, "d"}, {0}, {}},
        LibraryCase{C::SendUDP, {"", "d"}, {7799}, {}},
        LibraryCase{C::SendUDP, {Local, ""}, {7799}, {}},
        LibraryCase{C::Format, {"%s-%s", "a", "b"}, {}, "a-b"},
        LibraryCase{C::Format, {"%5:d/%d"}, {12, 13}, "12/13"},
        LibraryCase{C::Format, {"%4:s%10:d", "", "", "", "", "e"}, {0, 1, 2, 3, 4, 5}, "e5"},
        LibraryCase{C::Format, {"", "a"}, {}, {}},
        LibraryCase{C::Format, {"%d", "a"}, {}, {}, {Status.arg(formatError("%d")).arg(3)}},
        LibraryCase{C::FormatRev, {"%s!", "a"}, {}, "a!"},
        LibraryCase{C::FormatRev, {"%d", "a"}, {}, "%d", {Status.arg(formatError("%d")).arg(3)}},
        LibraryCase{C::SendSMS, {"123", "hi"}, {}, {}, {"SendSMS(123|hi)"}},
        LibraryCase{C::SendSMS, {"123", ""}, {}, {}},
        LibraryCase{C::Httpget, {Url}, {99}, Reply, {"idHttpGet(http://127.0.0.1:1/x|2000)"}},
        LibraryCase{C::Httpget, {Url}, {100}, Reply, {"idHttpGet(http://127.0.0.1:1/x|100)"}},
        LibraryCase{C::Sleep, {}, {5}, {}, {"Sleep(5)"}}, LibraryCase{C::Sleep, {}, {}, {}},
        LibraryCase{C::Sleep, {}, {-20}, {}},
        LibraryCase{C::GetUIValue, {"o"}, {}, "a\rb", {"GetUIValue(o)"}},
        LibraryCase{C::GetUIValue, {""}, {}, {}},
        LibraryCase{C::SecondToTime, {}, {3725}, "01:02:05"},
        LibraryCase{C::SecondToTime, {}, {360000}, "100:00:00"},
        LibraryCase{C::SecondToTime, {}, {59}, "00:00:59"},
        LibraryCase{C::SecondToTime, {}, {-5}, {}},
        LibraryCase{C::SecondToTime, {"3725"}, {5}, "01:02:05"},
        LibraryCase{C::SecondToTime, {"x"}, {59}, "00:00:59"},
        LibraryCase{C::SecondToTime, {"-5"}, {59}, {}},
        LibraryCase{C::Close, {}, {}, {}, {"CloseApp()"}},
        LibraryCase{C::HttpPost,
                    {Url, "f.txt"},
                    {99},
                    Reply,
                    {"idHttpPost(http://127.0.0.1:1/x|f.txt|3000)"}},
        LibraryCase{C::HttpPost,
                    {Url, "f.txt"},
                    {100},
                    Reply,
                    {"idHttpPost(http://127.0.0.1:1/x|f.txt|100)"}},
        LibraryCase{C::MidStr, {"abcdef"}, {2, 3}, "bcd"},
        LibraryCase{C::MidStr, {"abcdef"}, {0, 2}, "ab"},
        LibraryCase{C::MidStr, {"abcdef"}, {-4, 2}, "ab"},
        LibraryCase{C::MidStr, {"abcdef"}, {5, 10}, "ef"},
        LibraryCase{C::MidStr, {"abcdef"}, {7, 1}, {}},
        LibraryCase{C::MidStr, {"abcdef"}, {2, -1}, {}},
        LibraryCase{C::DelStr, {"abcdef"}, {2, 3}, "aef"},
        LibraryCase{C::DelStr, {"abcdef"}, {5, 10}, "abcd"},
        LibraryCase{C::DelStr, {"abcdef"}, {0, 2}, "abcdef"},
        LibraryCase{C::DelStr, {"abcdef"}, {7, 1}, "abcdef"},
        LibraryCase{C::DelStr, {"abcdef"}, {2, 0}, "abcdef"},
        LibraryCase{C::Trim, {" \t a b \r\n"}, {}, "a b"},
        LibraryCase{C::Trim, {"\x01x\x1f"}, {}, "x"},
        LibraryCase{C::Round, {decimal("2.5")}, {}, "2"},
        LibraryCase{C::Round, {decimal("3.5")}, {}, "4"},
        LibraryCase{C::Round, {decimal("-2.5")}, {}, "-2"},
        LibraryCase{C::Round, {decimal("2.51")}, {}, "3"}, LibraryCase{C::Round, {"7"}, {}, "-1"},
        LibraryCase{C::Round, {"7"}, {9}, "9"}, LibraryCase{C::Inc, {}, {1, 2}, "3"},
        LibraryCase{C::Inc, {}, {2147483647, 1}, "-2147483648"}, LibraryCase{C::Inc, {}, {}, "-2"},
        LibraryCase{C::Dec, {}, {5, 7}, "-2"}, LibraryCase{C::Percent, {}, {1, 8}, "12"},
        LibraryCase{C::Percent, {}, {3, 4}, "75"}, LibraryCase{C::Percent, {}, {1, 0}, "-1"},
        LibraryCase{C::Percent, {}, {-1, 8}, "-1"}, LibraryCase{C::open, {"x"}, {}, {}},
        LibraryCase{C::open, {"ab"}, {}, {}, {"OpenURL(ab)"}},
        LibraryCase{C::GotoPage, {"page2"}, {}, {}},
        LibraryCase{C::GotoPage, {"page2.ui"}, {}, {}, {"LoadUI(page2.ui)"}},
        LibraryCase{C::Div, {}, {7, 2}, "4"}, LibraryCase{C::Div, {}, {5, 2}, "2"},
        LibraryCase{C::Div, {}, {-7, 2}, "-1"}, LibraryCase{C::Div, {}, {7, 0}, "-1"},
        LibraryCase{C::Mul, {}, {65536, 65536}, "0"}, LibraryCase{C::Mul, {}, {-3, 4}, "-12"},
        LibraryCase{C::UrlEncode, {"a b"}, {1}, {}}, LibraryCase{C::Rev1, {"a"}, {1}, {}},
        LibraryCase{C::Rev2, {"a"}, {1}, {}}, LibraryCase{C::call, {"a"}, {1}, {}},
        LibraryCase{static_cast<C>(30), {"a"}, {1}, {}},
        LibraryCase{static_cast<C>(-1), {"a"}, {1}, {}}));

TEST(LineLibrary, RoundOfTextThatIsNoNumberEndsTheRun) {
    LineEngineRecordingHost host;
    for (const char *text : {"abc", "2,,5", "  ", "nan"})
        EXPECT_THROW(callOf(C::Round, arguments({QString::fromLatin1(text)}, {}), host),
                     LineScriptAbort)
            << text;
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST(LineLibrary, SleepCutShortEndsTheRun) {
    LineEngineRecordingHost host;
    host.sleepResult = false;
    EXPECT_THROW(callOf(C::Sleep, arguments({}, {5}), host), LineScriptAbort);
}

TEST(LineLibrary, NowUsesAFormatOfTwoCharactersOrMore) {
    LineEngineRecordingHost host;
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("yyyy"), QStringLiteral("yyyy")},
        {QStringLiteral("y"), QStringLiteral("c")},
        {QString(), QStringLiteral("c")},
    };
    for (const auto &[argument, format] : cases) {
        const QString before = text::FormatDateTime(format, QDateTime::currentDateTime());
        const QString result = callOf(C::Now, arguments({argument}, {}), host);
        const QString after = text::FormatDateTime(format, QDateTime::currentDateTime());
        EXPECT_TRUE(result == before || result == after) << result.toStdString();
    }
}

} // namespace
