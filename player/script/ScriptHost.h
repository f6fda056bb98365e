#pragma once

#include <QString>

// What a script may do to the program around it. Scripts run on worker
// threads; a host runs the page operations on the main thread and waits for
// them, and runs the network requests on the calling worker. Tests fill it
// with a recording host.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;

    // Page and window (carried to the main thread).
    virtual bool UpdateUI(const QString &objname, const QString &txt, int alpha, int percent) = 0;
    virtual QString GetUIValue(const QString &objname) = 0;
    // A message box when `dialog`, else the status line for `timeoutSeconds`.
    virtual void ShowInfoByMain(const QString &info, int timeoutSeconds, bool dialog) = 0;
    virtual bool SendSMS(const QString &number, const QString &message) = 0;
    virtual void CloseApp() = 0;
    // Shows a page file of the project when it exists.
    virtual void LoadUI(const QString &url) = 0;
    // Hands a URL or file to the system to open.
    virtual void OpenURL(const QString &url) = 0;

    // One-shot network requests on the calling thread; failures give empty text.
    virtual QString idSendTCP(const QString &host, const QString &port, const QString &data,
                              int timeoutMs) = 0;
    virtual void idSendUDP(const QString &host, quint16 port, const QString &data,
                           int timeoutMs) = 0;
    virtual QString idHttpGet(const QString &url, int timeoutMs) = 0;
    virtual QString idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs) = 0;

    // Waits on the calling worker; returns false at once when the program is
    // ending, and the script then stops.
    virtual bool Sleep(int ms) = 0;
    virtual bool stopping() const = 0;
};
