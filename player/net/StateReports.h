#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>

class PageRuntime;

// Applies what the controller sends: state reports line by line, code to
// run, keep-alive answers and task echoes; keeps the last report so that
// every page loaded later shows the controller's state too.
class StateReports : public QObject {
    Q_OBJECT
public:
    explicit StateReports(PageRuntime &runtime, int replayDelayMs = 50, QObject *parent = nullptr);

    void UpdateUIFromSrv(const QString &text);
    // Applies the cached report to the page just loaded, a moment later.
    void UpdateUIFromLastControlCenter();
    void setShowDebugData(bool on) { m_showDebugData = on; }

    QString LastUpdateUIData() const { return m_lastReport; }
    QTimer &TimerUpdateUI() { return m_timerUpdateUI; }
    // True while a batch is being applied; the link holds batches back meanwhile.
    const std::atomic<bool> &updatingUIFromNet() const { return m_applying; }

signals:
    void RunScriptbyNewThread(const QString &code, const QString &para);
    void debugLog(const QString &note, int delays);
    // The controller forbids the panel.
    void LoadNotAllowUI();

private:
    enum Source { Nothing = 0, ChatReport = 2, LastReport = 3 };

    void applyReport(const QString &text);
    void TimerUpdateUITimer();

    PageRuntime &m_runtime;
    QTimer m_timerUpdateUI;
    Source m_tag = Nothing;
    QString m_lastReport;
    std::atomic<bool> m_applying{false};
    bool m_showDebugData = false;
};
