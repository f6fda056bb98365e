#pragma once

#include "ScriptHost.h"

#include <QMutex>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class QObject;
class Tmainform;

// What scripts on workers reach of the program: page operations run on the
// main thread while the worker waits (at once when already there); network
// requests run on the worker. Once the program ends, nothing more reaches
// the main thread and every Sleep returns.
class UiBridge : public ScriptHost {
public:
    explicit UiBridge(Tmainform &form);

    bool UpdateUI(const QString &objname, const QString &txt, int alpha, int percent) override;
    QString GetUIValue(const QString &objname) override;
    void ShowInfoByMain(const QString &info, int timeoutSeconds, bool dialog) override;
    bool SendSMS(const QString &number, const QString &message) override;
    void CloseApp() override;
    void LoadUI(const QString &url) override;
    void OpenURL(const QString &url) override;

    QString idSendTCP(const QString &host, const QString &port, const QString &data,
                      int timeoutMs) override;
    void idSendUDP(const QString &host, quint16 port, const QString &data, int timeoutMs) override;
    QString idHttpGet(const QString &url, int timeoutMs) override;
    QString idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs) override;

    bool Sleep(int ms) override;
    bool stopping() const override { return m_stopping; }

    // The program is ending: wakes every sleeping script.
    void stop();

private:
    // Runs `work` on the main thread and waits; false when the program is ending.
    bool onMain(const std::function<void()> &work);

    Tmainform &m_form;
    std::atomic<bool> m_stopping{false};
    QMutex m_sleepLock;
    QWaitCondition m_wakeSleepers;
};
