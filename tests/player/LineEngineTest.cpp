#include "script/LineEngine.h"
#include "LineEngineRecordingHost.h"
#include "text/DateTimeFormat.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QStringList calls(const QString &script, const QString &para = QString()) {
    LineEngineRecordingHost host;
    EXPECT_TRUE(Run_Script(script, para, host));
    return host.calls;
}

struct ScriptCase {
    const char *what;
    QString script;
    QString para;
    QStringList expected;
};

void PrintTo(const ScriptCase &c, std::ostream *out) {
    *out << c.what;
}

class LineEngineSyntax : public testing::TestWithParam<ScriptCase> {};

TEST_P(LineEngineSyntax, RunsTheCallsInOrder) {
    const ScriptCase &c = GetParam();
    EXPECT_EQ(calls(c.script, c.para), c.expected);
}

const QString UpdateO = QStringLiteral("UpdateUI(o||-1|-1)");

INSTANTIATE_TEST_SUITE_P(
    LineEngine, LineEngineSyntax,
    testing::Values(
        ScriptCase{"an assigned result is passed as a string argument",
                   QStringLiteral("t = Trim(\" 42 \")\r\nUpdateUI(\"o\", t, 100, -1)"),
                   {},
                   {QStringLiteral("UpdateUI(o|42|100|-1)")}},
        ScriptCase{"Val holds the parameter string",
                   QStringLiteral("UpdateUI(\"Lamp\", Val, 100)"),
                   QStringLiteral("1"),
                   {QStringLiteral("UpdateUI(Lamp|1|100|-1)")}},
        ScriptCase{"without a parameter string there is no Val",
                   QStringLiteral("UpdateUI(\"o\", Val)"),
                   {},
                   {UpdateO}},
        ScriptCase{"the last statement needs no line end",
                   QStringLiteral("Close"),
                   {},
                   {QStringLiteral("CloseApp()")}},
        ScriptCase{"the letter that ends a name starts the next",
                   QStringLiteral("Close Sleep(5)"),
                   {},
                   {QStringLiteral("CloseApp()"), QStringLiteral("Sleep(5)")}},
        ScriptCase{"statements split by semicolons, blanks and line feeds",
                   QStringLiteral("Sleep(1);Sleep(2)\nSleep(3)  Sleep ( 4 )"),
                   {},
                   {QStringLiteral("Sleep(1)"), QStringLiteral("Sleep(2)"),
                    QStringLiteral("Sleep(3)"), QStringLiteral("Sleep(4)")}},
        ScriptCase{"#n passes the variable as an integer",
                   QStringLiteral("n = Trim(\"300\")\nSleep(#n)"),
                   {},
                   {QStringLiteral("Sleep(300)")}},
        ScriptCase{"n passes the variable as a string, so Sleep has no integer",
                   QStringLiteral("n = Trim(\"300\")\nSleep(n)"),
                   {},
                   {}},
        ScriptCase{"a comma inside quotes does not split",
                   QStringLiteral("UpdateUI(\"a,b\", \"c\")"),
                   {},
                   {QStringLiteral("UpdateUI(a,b|c|-1|-1)")}},
        ScriptCase{
            "function and variable names in any case",
            QStringLiteral("sleep(10) SLEEP(11) Sleep(12) T = Trim(\"v\") updateui(\"o\", t)"),
            {},
            {QStringLiteral("Sleep(10)"), QStringLiteral("Sleep(11)"), QStringLiteral("Sleep(12)"),
             QStringLiteral("UpdateUI(o|v|-1|-1)")}},
        ScriptCase{"UrlEncode and call run nothing; Rev? is cut at the question mark",
                   QStringLiteral("UrlEncode(\"a b\")\ncall(1)\nRev?\nClose"),
                   {},
                   {QStringLiteral("CloseApp()")}},
        ScriptCase{"an unknown variable is dropped and later arguments move up",
                   QStringLiteral("UpdateUI(nope, \"o\", \"t\")"),
                   {},
                   {QStringLiteral("UpdateUI(o|t|-1|-1)")}},
        ScriptCase{"a literal cannot be assigned: x = 5 stores empty",
                   QStringLiteral("x = Trim(\"v\")\nx = 5\nUpdateUI(\"o\", x)"),
                   {},
                   {UpdateO}},
        ScriptCase{"calls do not nest: the first parenthesis ends the list",
                   QStringLiteral("UpdateUI(\"o\", Trim(x), \"t\")"),
                   {},
                   {UpdateO}},
        ScriptCase{"an escaped parenthesis does not end the list",
                   QStringLiteral("UpdateUI(\"o\", a\\), \"t\")"),
                   {},
                   {QStringLiteral("UpdateUI(o|t|-1|-1)")}},
        ScriptCase{"an escaped quote stays in the string until ShowMessage removes it",
                   QStringLiteral("ShowMessage(\"say \\\"hi)\\\"\")"),
                   {},
                   {QStringLiteral("ShowInfoByMain(say \"hi)\"|5|status)")}},
        ScriptCase{"a carriage return ends an open argument list",
                   QStringLiteral("Sleep(5\rClose"),
                   {},
                   {QStringLiteral("Sleep(5)"), QStringLiteral("CloseApp()")}},
        ScriptCase{
            "an unclosed string swallows the rest", QStringLiteral("UpdateUI(\"o\nClose"), {}, {}},
        ScriptCase{"quotes between statements are skipped",
                   QStringLiteral("UpdateUI(\"o\") \"Close"),
                   {},
                   {UpdateO, QStringLiteral("CloseApp()")}},
        ScriptCase{"a second opening parenthesis is argument text",
                   QStringLiteral("Sleep((5)"),
                   {},
                   {QStringLiteral("Sleep(5)")}},
        ScriptCase{"stray parentheses run nothing", QStringLiteral(")))((( Sleep)5("), {}, {}},
        ScriptCase{"an unknown function runs nothing",
                   QStringLiteral("Blink(1)\nClose"),
                   {},
                   {QStringLiteral("CloseApp()")}}));

TEST(LineEngine, NowInAVariableReachesUpdateUI) {
    const QString before = text::DefaultDateTimeText(QDateTime::currentDateTime());
    const QStringList recorded =
        calls(QStringLiteral("t = Now()\r\nUpdateUI(\"Clock\", t, 100, -1)\r\n"));
    const QString after = text::DefaultDateTimeText(QDateTime::currentDateTime());
    ASSERT_EQ(recorded.size(), 1);
    EXPECT_TRUE(recorded[0] == QStringLiteral("UpdateUI(Clock|%1|100|-1)").arg(before) ||
                recorded[0] == QStringLiteral("UpdateUI(Clock|%1|100|-1)").arg(after))
        << recorded[0].toStdString();
}

TEST(LineEngine, SearchcmdIDIgnoresCaseAndKnowsEveryTableName) {
    const std::pair<const char *, int> cases[] = {
        {"UpdateUI", 0}, {"updateui", 0}, {"SENDTCP", 1}, {"urlencode", 11}, {"Rev?", 14},
        {"rev?", 14},    {"CALL", 29},    {"Mul", 28},    {"open", 25},      {"OPEN", 25},
        {"Rev", -1},     {"", -1},        {"Sleep ", -1}, {"Blink", -1},
    };
    for (const auto &[name, number] : cases)
        EXPECT_EQ(SearchcmdID(QString::fromUtf8(name)), number) << name;
}

// The record in short: each kind up to its last entry that is not the reset value.
QString describe(const ParaDb &para) {
    auto listed = [](const auto &values, auto reset, auto toText) {
        int used = ParaDb::Size;
        while (used > 0 && values[used - 1] == reset)
            --used;
        QStringList texts;
        for (int i = 0; i < used; ++i)
            texts.append(toText(values[i]));
        return texts.join(QLatin1Char('|'));
    };
    return QStringLiteral("S[%1] I[%2] C[%3]")
        .arg(listed(para.AString, QString(), [](const QString &s) { return s; }),
             listed(para.Asingle, -1, [](qint32 i) { return QString::number(i); }),
             listed(para.Achar, QChar(0), [](QChar c) { return QString(c); }));
}

struct ArgumentCase {
    QString arguments;
    QString expected;
};

void PrintTo(const ArgumentCase &c, std::ostream *out) {
    *out << c.arguments.toStdString();
}

class LineEngineArguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(LineEngineArguments, SortByKindAndPosition) {
    LineVariables variables;
    variables.setValue(variables.add(QStringLiteral("n")), QStringLiteral(" 300 "));
    variables.setValue(variables.add(QStringLiteral("w")), QStringLiteral("word"));
    ParaDb para;
    para.AString[10] = QStringLiteral("left over");
    AL_GetPara(GetParam().arguments, variables, para);
    EXPECT_EQ(describe(para), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LineEngine, LineEngineArguments,
    testing::Values(
        ArgumentCase{QString(), QStringLiteral("S[] I[] C[]")},
        ArgumentCase{QStringLiteral("\"a\", 12, \"b\""), QStringLiteral("S[a|b] I[12] C[]")},
        ArgumentCase{QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"),
                     QStringLiteral("S[] I[1|2|3|4|5|6|7|8|9|10] C[]")},
        ArgumentCase{
            QStringLiteral("\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\""),
            QStringLiteral("S[1|2|3|4|5|6|7|8|9|10] I[] C[]")},
        ArgumentCase{QStringLiteral("3.5, 7"), QStringLiteral("S[] I[-1|7] C[]")},
        ArgumentCase{QStringLiteral("-5, 7"), QStringLiteral("S[] I[7] C[]")},
        ArgumentCase{QStringLiteral(" 12 , .5, 3"), QStringLiteral("S[] I[12|-1|3] C[]")},
        ArgumentCase{QStringLiteral("'x', 'y'"), QStringLiteral("S[] I[] C[x|y]")},
        ArgumentCase{QStringLiteral("\"a,b\""), QStringLiteral("S[a,b] I[] C[]")},
        ArgumentCase{QStringLiteral("\"\", \"b\""), QStringLiteral("S[|b] I[] C[]")},
        ArgumentCase{QStringLiteral("\"it's\""), QStringLiteral("S[it's] I[] C[]")},
        ArgumentCase{QStringLiteral("\"say \\\"hi\\\"\""),
                     QStringLiteral("S[say \\\"hi\\\"] I[] C[]")},
        ArgumentCase{QStringLiteral("\"a[\\r]b[\\n]\""), QStringLiteral("S[a\rb\n] I[] C[]")},
        ArgumentCase{QStringLiteral("n, N"), QStringLiteral("S[ 300 | 300 ] I[] C[]")},
        ArgumentCase{QStringLiteral("#n, #w, 4"), QStringLiteral("S[] I[300|-1|4] C[]")},
        ArgumentCase{QStringLiteral("nope, \"a\", w"), QStringLiteral("S[a|word] I[] C[]")},
        ArgumentCase{QStringLiteral("\"open"), QStringLiteral("S[] I[] C[]")}));

TEST(LineEngine, StopsWhenTheHostIsStopping) {
    LineEngineRecordingHost host;
    host.callsBeforeStopping = 2;
    Run_Script(QStringLiteral("Close\nClose\nClose\nClose"), QString(), host);
    EXPECT_EQ(host.calls.size(), 2);
}

TEST(LineEngine, StopsAfterASleepCutShort) {
    LineEngineRecordingHost host;
    host.sleepResult = false;
    Run_Script(QStringLiteral("Sleep(5)\nClose"), QString(), host);
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("Sleep(5)")});
}

TEST(LineEngine, ARoundOfNoNumberEndsTheRunQuietly) {
    EXPECT_EQ(calls(QStringLiteral("Close\nRound(\"abc\")\nClose")),
              QStringList{QStringLiteral("CloseApp()")});
}

// The argument text holds 1022 characters: "o", then blanks up to a 7.
TEST(LineEngine, ArgumentTextIsCutAtTheLimit) {
    const std::pair<int, QString> cases[] = {
        {1022, QStringLiteral("UpdateUI(o||7|-1)")},
        {1023, QStringLiteral("UpdateUI(o||-1|-1)")},
    };
    for (const auto &[length, expected] : cases) {
        const QString arguments = QStringLiteral("\"o\",") + QString(length - 5, u' ') + u'7';
        EXPECT_EQ(calls(QStringLiteral("UpdateUI(") + arguments + u')'), QStringList{expected})
            << length;
    }
}

TEST(LineEngine, NamesAreCutAtTheLimit) {
    const QString kept(1022, u'a');
    const QString script = kept + QStringLiteral("zzz = Trim(\"v\")\nUpdateUI(") + kept +
                           QStringLiteral(")\nUpdateUI(") + kept.left(1021) + u')';
    EXPECT_EQ(calls(script), QStringList{QStringLiteral("UpdateUI(v||-1|-1)")});
}

TEST(LineEngine, SurvivesRandomBytes) {
    std::mt19937 generator(7);
    std::uniform_int_distribution<int> byte(0, 255);
    QString script;
    for (int i = 0; i < (1 << 20); ++i)
        script.append(QChar(byte(generator)));
    LineEngineRecordingHost host;
    EXPECT_TRUE(Run_Script(script, QStringLiteral("p"), host));
}

TEST(LineEngine, OneMegabyteStatementIsCut) {
    const QString script = QStringLiteral("UpdateUI(\"o\", \"") + QString(1 << 20, u'x') +
                           QStringLiteral("\")\nClose");
    EXPECT_EQ(calls(script),
              (QStringList{QStringLiteral("UpdateUI(o||-1|-1)"), QStringLiteral("CloseApp()")}));
}

TEST(LineEngine, OneMegabyteNameEndsWithoutACall) {
    EXPECT_TRUE(calls(QString(1 << 20, u'q')).isEmpty());
}

TEST(LineEngine, AMillionStatementsRunInOnePass) {
    const QString statement = QStringLiteral("Inc(1,2)");
    QString script;
    script.reserve(statement.size() * 1000000 + 16);
    for (int i = 0; i < 1000000; ++i)
        script.append(statement);
    script.append(QStringLiteral(" Close"));
    EXPECT_EQ(calls(script), QStringList{QStringLiteral("CloseApp()")});
}

} // namespace
