#pragma once

#include "script/ScriptHost.h"

#include <QStringList>

#include <climits>

// Records every call a script makes as "Name(arg|arg|...)" and answers every
// request with `reply`.
class LineEngineRecordingHost : public ScriptHost {
public:
    QStringList calls;
    QString reply;
    bool sleepResult = true;
    // stopping() turns true once this many calls are recorded.
    int callsBeforeStopping = INT_MAX;

    bool UpdateUI(const QString &objname, const QString &txt, int alpha, int percent) override {
        record(QStringLiteral("UpdateUI"),
               {objname, txt, QString::number(alpha), QString::number(percent)});
        return true;
    }
    QString GetUIValue(const QString &objname) override {
        record(QStringLiteral("GetUIValue"), {objname});
        return reply;
    }
    void ShowInfoByMain(const QString &info, int timeoutSeconds, bool dialog) override {
        record(QStringLiteral("ShowInfoByMain"),
               {info, QString::number(timeoutSeconds),
                dialog ? QStringLiteral("dialog") : QStringLiteral("status")});
    }
    bool SendSMS(const QString &number, const QString &message) override {
        record(QStringLiteral("SendSMS"), {number, message});
        return true;
    }
    void CloseApp() override { record(QStringLiteral("CloseApp"), {}); }
    void LoadUI(const QString &url) override { record(QStringLiteral("LoadUI"), {url}); }
    void OpenURL(const QString &url) override { record(QStringLiteral("OpenURL"), {url}); }
    QString idSendTCP(const QString &host, const QString &port, const QString &data,
                      int timeoutMs) override {
        record(QStringLiteral("idSendTCP"), {host, port, data, QString::number(timeoutMs)});
        return reply;
    }
    void idSendUDP(const QString &host, quint16 port, const QString &data, int timeoutMs) override {
        record(QStringLiteral("idSendUDP"),
               {host, QString::number(port), data, QString::number(timeoutMs)});
    }
    QString idHttpGet(const QString &url, int timeoutMs) override {
        record(QStringLiteral("idHttpGet"), {url, QString::number(timeoutMs)});
        return reply;
    }
    QString idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs) override {
        record(QStringLiteral("idHttpPost"), {url, postDataFile, QString::number(timeoutMs)});
        return reply;
    }
    bool Sleep(int ms) override {
        record(QStringLiteral("Sleep"), {QString::number(ms)});
        return sleepResult;
    }
    bool stopping() const override { return calls.size() >= callsBeforeStopping; }

private:
    void record(const QString &name, const QStringList &args) {
        calls.append(name + QLatin1Char('(') + args.join(QLatin1Char('|')) + QLatin1Char(')'));
    }
};
