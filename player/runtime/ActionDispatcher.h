#pragma once

#include <QObject>

#include <functional>

// Turns an action text and its parameter string into what it asks for: code
// for a worker, a page to show, a message for the controller, or one of the
// settings panels. Every touch, page event and timer ends here.
class ActionDispatcher : public QObject {
    Q_OBJECT
public:
    // What the routing of controller tasks needs to know, asked at each task.
    struct LinkState {
        std::function<int()> Controlchannel;
        std::function<bool()> isMainTCPClientConnected;
        std::function<bool()> isChatConnected;
    };

    explicit ActionDispatcher(QObject *parent = nullptr);

    void setProjectRoot(const QString &uiStoredRootPath) { m_uiRoot = uiStoredRootPath; }
    void setLinkState(LinkState state) { m_link = std::move(state); }
    void setShowDebugData(bool on) { m_showDebugData = on; }

    void DoButtonAction(const QString &taskstr, const QString &ParaStr);
    // Sends a controller task exactly as given, by connection mode.
    void luaCallRemoteTask(const QString &SendMsg);

signals:
    // Code for the script workers, with its parameter string.
    void RunScriptbyNewThread(const QString &code, const QString &para);
    // A page file to show now, before the next action of the same touch runs.
    void LoadUI(const QString &pagePath);
    void SendTCP(const QString &message);
    void IM_servicSendMsg(const QString &message);
    void ShowUpgradeForm();
    void ShowIMsettingForm();
    // A note for the status line, shown while debug data is on.
    void debugLog(const QString &note, int delays);

private:
    QString m_uiRoot;
    LinkState m_link;
    bool m_showDebugData = false;
};
