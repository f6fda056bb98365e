#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <array>
#include <functional>
#include <memory>

// The two engines a piece of code can ask for, each run on the calling thread.
struct ScriptEngines {
    std::function<bool(const QString &code, const QString &para)> RunScriptCode;
    std::function<bool(const QString &code, const QString &para)> RunLuaCode;
};

// One reusable script worker: it sleeps until it is handed code, runs it
// with the engine the code asks for, and sleeps again.
class TthrdQueue : public QThread {
public:
    TthrdQueue(int slot, const ScriptEngines &engines);

    // Claims an idle worker under its lock; false when it is running.
    bool claim();
    // Hands over code to a claimed (or not yet started) worker and wakes it.
    void give(const QString &code, const QString &para, bool isLua);
    bool isRunning() const;
    void requestStop();

    int FThreadID;

protected:
    void run() override;

private:
    void RunTask();

    const ScriptEngines &m_engines;
    mutable QMutex LockCode;
    QWaitCondition FEvent;
    bool m_signalled = false;
    bool m_stop = false;
    bool Runing = false;
    QString TaskCode;
    QString TaskPara;
    bool isLuaEng = false;
};

// Runs every piece of local code on a worker of a fixed table of 50, filled
// on demand from the lowest slot and reused; code that finds all 50 busy is
// dropped.
class ScriptDispatcher {
public:
    static constexpr int SlotCount = 50;

    explicit ScriptDispatcher(ScriptEngines engines);
    ~ScriptDispatcher();
    ScriptDispatcher(const ScriptDispatcher &) = delete;
    ScriptDispatcher &operator=(const ScriptDispatcher &) = delete;

    void RunScriptbyNewThread(const QString &code, const QString &para);
    // The slot the code went to, or -1 when it was dropped.
    int RunCode_byTheadPool(const QString &Code, const QString &para);

    // Ends every worker: scripts waiting in Sleep stop at once. `keepAlive`
    // runs while waiting, so that workers waiting for the main thread finish.
    void stopAll(const std::function<void()> &keepAlive);
    int createdWorkers() const;
    int runningWorkers() const;

private:
    ScriptEngines m_engines;
    std::array<std::unique_ptr<TthrdQueue>, SlotCount> MyThreadList;
};
