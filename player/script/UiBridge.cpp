#include "UiBridge.h"

#include "net/OneShotNet.h"
#include "runtime/Tmainform.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMutexLocker>
#include <QThread>
#include <QUrl>

UiBridge::UiBridge(Tmainform &form) : m_form(form) {}

bool UiBridge::onMain(const std::function<void()> &work) {
    if (QThread::currentThread() == m_form.thread()) {
        work();
        return true;
    }
    if (m_stopping)
        return false;
    QMetaObject::invokeMethod(&m_form, work, Qt::BlockingQueuedConnection);
    return true;
}

bool UiBridge::UpdateUI(const QString &objname, const QString &txt, int alpha, int percent) {
    bool found = false;
    onMain([&] { found = m_form.runtime().operations().UpdateUI(objname, txt, alpha, percent); });
    return found;
}

QString UiBridge::GetUIValue(const QString &objname) {
    QString value;
    onMain([&] { value = m_form.runtime().operations().GetNamedObjValue(objname); });
    return value;
}

void UiBridge::ShowInfoByMain(const QString &info, int timeoutSeconds, bool dialog) {
    onMain([&] {
        if (dialog)
            QMessageBox::information(&m_form, m_form.windowTitle(), info);
        else
            m_form.ShowInfoBox(info, 0, 0, timeoutSeconds);
    });
}

bool UiBridge::SendSMS(const QString &, const QString &) {
    // A desktop panel has no way to send text messages.
    return false;
}

void UiBridge::CloseApp() {
    onMain([this] { m_form.CloseApp(); });
}

void UiBridge::LoadUI(const QString &url) {
    if (!url.contains(QLatin1String(".ui")))
        return;
    onMain([&] { m_form.AL_LoadUI(url); });
}

void UiBridge::OpenURL(const QString &url) {
    onMain([&] { QDesktopServices::openUrl(QUrl::fromUserInput(url)); });
}

QString UiBridge::idSendTCP(const QString &host, const QString &port, const QString &data,
                            int timeoutMs) {
    return net::idSendTCP(host, port, data, timeoutMs);
}

void UiBridge::idSendUDP(const QString &host, quint16 port, const QString &data, int timeoutMs) {
    net::idSendUDP(host, port, data, timeoutMs);
}

QString UiBridge::idHttpGet(const QString &url, int timeoutMs) {
    return net::idHttpGet(url, timeoutMs);
}

QString UiBridge::idHttpPost(const QString &url, const QString &postDataFile, int timeoutMs) {
    return net::idHttpPost(url, postDataFile, timeoutMs);
}

bool UiBridge::Sleep(int ms) {
    QDeadlineTimer deadline(ms);
    QMutexLocker lock(&m_sleepLock);
    while (!m_stopping && !deadline.hasExpired())
        m_wakeSleepers.wait(&m_sleepLock, deadline);
    return !m_stopping;
}

void UiBridge::stop() {
    QMutexLocker lock(&m_sleepLock);
    m_stopping = true;
    m_wakeSleepers.wakeAll();
}
