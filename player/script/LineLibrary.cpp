#include "script/LineLibrary.h"

#include "script/LineText.h"
#include "script/ScriptHost.h"
#include "text/DateTimeFormat.h"
#include "text/DelphiFormat.h"
#include "text/Rounding.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

// The seconds a message stays in the status line.
constexpr int StrTokenErrorSeconds = 5;
constexpr int FormatErrorSeconds = 3;
constexpr int ShowMessageSeconds = 5;

QString withLineEnd(const QString &data, int flag) {
    return flag > 0 ? data + QLatin1Char('\n') : data;
}

QString sendTcp(const ParaDb &a, ScriptHost &host) {
    const QString data = withLineEnd(a.AString[1], a.Asingle[1]);
    if (a.AString[0].isEmpty() || data.isEmpty())
        return {};
    const int timeoutMs = a.Asingle[2] >= 100 ? a.Asingle[2] : 2000;
    return host.idSendTCP(a.AString[0], QString::number(a.Asingle[0]), data, timeoutMs);
}

void sendUdp(const ParaDb &a, ScriptHost &host) {
    const QString data = withLineEnd(a.AString[1], a.Asingle[1]);
    if (a.AString[0].isEmpty() || a.Asingle[0] <= 0 || data.isEmpty())
        return;
    const int timeoutMs = a.Asingle[2] > 9 ? a.Asingle[2] : 1000;
    host.idSendUDP(a.AString[0], static_cast<quint16>(a.Asingle[0]), data, timeoutMs);
}

QString StrTokenReg(const QString &subject, const QString &pattern, ScriptHost &host) {
    if (subject.isEmpty() || pattern.isEmpty())
        return subject;
    const QRegularExpression expression(pattern);
    if (!expression.isValid()) {
        host.ShowInfoByMain(expression.errorString(), StrTokenErrorSeconds, false);
        return {};
    }
    return expression.match(subject).captured(0);
}

void showMessage(const ParaDb &a, ScriptHost &host) {
    const QString info =
        QString(a.AString[0]).replace(QStringLiteral("\\\""), QStringLiteral("\""));
    host.ShowInfoByMain(info, ShowMessageSeconds, a.Asingle[0] == 1);
}

// The value list is always the same eleven entries, whatever the format asks.
QString formatted(const ParaDb &a, ScriptHost &host, bool sourceOnError) {
    const QString &format = a.AString[0];
    if (format.isEmpty())
        return {};
    QVector<text::FormatArg> values;
    for (int i = 1; i <= 5; ++i)
        values.append(text::FormatArg(a.AString[i]));
    for (int i = 0; i <= 5; ++i)
        values.append(text::FormatArg(a.Asingle[i]));
    QString error;
    const QString result = text::Format(format, values, &error);
    if (error.isEmpty())
        return result;
    host.ShowInfoByMain(error, FormatErrorSeconds, false);
    return sourceOnError ? format : QString();
}

void sleepFor(const ParaDb &a, ScriptHost &host) {
    if (a.Asingle[0] >= 0 && !host.Sleep(a.Asingle[0]))
        throw LineScriptAbort("the program is ending");
}

QString getUiValue(const ParaDb &a, ScriptHost &host) {
    if (a.AString[0].isEmpty())
        return {};
    return host.GetUIValue(a.AString[0]).replace(QStringLiteral("[\\r]"), QStringLiteral("\r"));
}

QString secondsAsTime(const ParaDb &a) {
    const QString &s0 = a.AString[0];
    return text::secondToTime(StrISNumber(s0) ? StrToIntDef(s0, -1) : a.Asingle[0]);
}

// Copy as in the classic runtime: a start before the text counts from its first
// character, a start beyond it or a negative count gives nothing.
QString MidStr(const QString &s, int start, int count) {
    const qsizetype from = start < 1 ? 0 : qMin<qsizetype>(start - 1, s.size());
    return count < 0 ? QString() : s.mid(from, qMin<qsizetype>(count, s.size() - from));
}

// Delete as in the classic runtime: nothing happens unless the start lies within
// the text and the count is positive.
QString DelStr(const QString &s, int start, int count) {
    if (start < 1 || start > s.size() || count <= 0)
        return s;
    return QString(s).remove(start - 1, count);
}

QString nowText(const ParaDb &a) {
    const QDateTime moment = QDateTime::currentDateTime();
    return a.AString[0].size() >= 2 ? text::FormatDateTime(a.AString[0], moment)
                                    : text::DefaultDateTimeText(moment);
}

QString roundText(const ParaDb &a) {
    if (a.AString[0].size() < 2)
        return QString::number(a.Asingle[0]);
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(a.AString[0], &ok);
    // Rounding has no answer beyond 64 bits either.
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 9223372036854775808.0)
        throw LineScriptAbort("not a number");
    return QString::number(text::roundHalfEven(value));
}

// 32-bit sums wrap around like the classic integers.
qint32 wrapped(qint64 value) {
    return static_cast<qint32>(static_cast<quint32>(value));
}

void openUrl(const ParaDb &a, ScriptHost &host) {
    if (a.AString[0].size() >= 2)
        host.OpenURL(a.AString[0]);
}

void gotoPage(const ParaDb &a, ScriptHost &host) {
    if (a.AString[0].contains(QStringLiteral(".ui")))
        host.LoadUI(a.AString[0]);
}

} // namespace

QString AL_RegFunction(int commandNumber, const ParaDb &para, ScriptHost &host) {
    const auto &S = para.AString;
    const auto &I = para.Asingle;
    using C = LineCommand;
    switch (static_cast<LineCommand>(commandNumber)) {
    case C::UpdateUI:
        if (!S[0].isEmpty())
            host.UpdateUI(S[0], S[1], I[0], I[1]);
        return {};
    case C::SendTCP:
        return sendTcp(para, host);
    case C::StrToken:
        return StrTokenReg(S[0], S[1], host);
    case C::ShowMessage:
        showMessage(para, host);
        return {};
    case C::SendUDP:
        sendUdp(para, host);
        return {};
    case C::Format:
        return formatted(para, host, false);
    case C::FormatRev:
        return formatted(para, host, true);
    case C::SendSMS:
        if (!S[1].isEmpty())
            host.SendSMS(S[0], S[1]);
        return {};
    case C::Httpget:
        return host.idHttpGet(S[0], I[0] >= 100 ? I[0] : 2000);
    case C::Sleep:
        sleepFor(para, host);
        return {};
    case C::GetUIValue:
        return getUiValue(para, host);
    case C::SecondToTime:
        return secondsAsTime(para);
    case C::Close:
        host.CloseApp();
        return {};
    case C::HttpPost:
        return host.idHttpPost(S[0], S[1], I[0] >= 100 ? I[0] : 3000);
    case C::MidStr:
        return MidStr(S[0], I[0], I[1]);
    case C::Trim:
        return trimBlanks(S[0]);
    case C::DelStr:
        return DelStr(S[0], I[0], I[1]);
    case C::Now:
        return nowText(para);
    case C::Round:
        return roundText(para);
    case C::Inc:
        return QString::number(wrapped(qint64(I[0]) + I[1]));
    case C::Dec:
        return QString::number(wrapped(qint64(I[0]) - I[1]));
    case C::Percent:
        return text::percentOf(I[0], I[1]);
    case C::open:
        openUrl(para, host);
        return {};
    case C::GotoPage:
        gotoPage(para, host);
        return {};
    case C::Div:
        return text::divRounded(I[0], I[1]);
    case C::Mul:
        return QString::number(text::mul32(I[0], I[1]));
    case C::UrlEncode:
    case C::Rev1:
    case C::Rev2:
    case C::call:
        // Names in the table without a function behind them.
        break;
    }
    return {};
}
