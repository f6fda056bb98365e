#include "ActionDispatcher.h"

#include "project/ProjectPaths.h"

namespace {
constexpr int DebugNoteTicks = 2;
}

ActionDispatcher::ActionDispatcher(QObject *parent) : QObject(parent) {}

void ActionDispatcher::DoButtonAction(const QString &taskstr, const QString &ParaStr) {
    QString text = taskstr;
    text.replace(QLatin1String("[Val]"), ParaStr);
    text.replace(QLatin1String("&#x0D;&#x0A;"), QLatin1String("\r\n"));

    if (text.contains(QLatin1String("_ENG"))) {
        emit RunScriptbyNewThread(text, ParaStr);
    } else if (text.indexOf(QLatin1String(".ui"), 1) >= 0) {
        emit LoadUI(project::pagePath(m_uiRoot, text));
    } else if (text.contains(QLatin1String(".tsk"))) {
        const QString message =
            text.contains(QLatin1Char('?')) ? text : text + QLatin1String("?val=") + ParaStr;
        if (m_showDebugData)
            emit debugLog(message, DebugNoteTicks);
        luaCallRemoteTask(message);
    } else if (text.contains(QLatin1String("@ShowDownloadForm"))) {
        emit ShowUpgradeForm();
    } else if (text.contains(QLatin1String("@ShowConnectForm"))) {
        emit ShowIMsettingForm();
    }
}

void ActionDispatcher::luaCallRemoteTask(const QString &message) {
    const int mode = m_link.Controlchannel ? m_link.Controlchannel() : 1;
    const bool linkUp = m_link.isMainTCPClientConnected && m_link.isMainTCPClientConnected();
    const bool chatUp = m_link.isChatConnected && m_link.isChatConnected();
    switch (mode) {
    case 0:
        if (linkUp || !chatUp)
            emit SendTCP(message);
        else
            emit IM_servicSendMsg(message);
        break;
    case 2:
        emit IM_servicSendMsg(message);
        break;
    case 3:
        emit SendTCP(message);
        emit IM_servicSendMsg(message);
        break;
    default:
        emit SendTCP(message);
        break;
    }
}
