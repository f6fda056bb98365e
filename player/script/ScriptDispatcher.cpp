#include "ScriptDispatcher.h"

#include <QMutexLocker>

TthrdQueue::TthrdQueue(int slot, const ScriptEngines &engines)
    : FThreadID(slot), m_engines(engines) {
    setObjectName(QStringLiteral("script worker ") + QString::number(slot));
}

bool TthrdQueue::claim() {
    QMutexLocker lock(&LockCode);
    if (Runing)
        return false;
    Runing = true;
    return true;
}

void TthrdQueue::give(const QString &code, const QString &para, bool isLua) {
    QMutexLocker lock(&LockCode);
    TaskCode = code;
    TaskPara = para;
    isLuaEng = isLua;
    m_signalled = true;
    FEvent.wakeOne();
}

bool TthrdQueue::isRunning() const {
    QMutexLocker lock(&LockCode);
    return Runing;
}

void TthrdQueue::requestStop() {
    QMutexLocker lock(&LockCode);
    m_stop = true;
    FEvent.wakeOne();
}

void TthrdQueue::run() {
    QMutexLocker lock(&LockCode);
    while (!m_stop) {
        Runing = true;
        if (!TaskCode.isEmpty()) {
            lock.unlock();
            RunTask();
            lock.relock();
            TaskCode.clear();
        }
        Runing = false;
        // Like an auto-reset event: one wake for any number of hand-overs.
        while (!m_signalled && !m_stop)
            FEvent.wait(&LockCode);
        m_signalled = false;
    }
}

void TthrdQueue::RunTask() {
    QString code;
    QString para;
    bool lua;
    {
        QMutexLocker lock(&LockCode);
        code = TaskCode;
        para = TaskPara;
        lua = isLuaEng;
    }
    // An engine's failure ends only that piece of code; the worker goes on.
    try {
        if (lua)
            m_engines.RunLuaCode(code, para);
        else
            m_engines.RunScriptCode(code, para);
    } catch (...) {
    }
}

ScriptDispatcher::ScriptDispatcher(ScriptEngines engines) : m_engines(std::move(engines)) {}

ScriptDispatcher::~ScriptDispatcher() {
    stopAll([] {});
}

void ScriptDispatcher::RunScriptbyNewThread(const QString &code, const QString &para) {
    RunCode_byTheadPool(code, para);
}

int ScriptDispatcher::RunCode_byTheadPool(const QString &Code, const QString &para) {
    const bool isLua = Code.contains(QLatin1String("_ENG=2;"));
    for (int slot = 0; slot < SlotCount; ++slot) {
        std::unique_ptr<TthrdQueue> &worker = MyThreadList[size_t(slot)];
        if (!worker) {
            worker = std::make_unique<TthrdQueue>(slot, m_engines);
            worker->claim();
            worker->give(Code, para, isLua);
            worker->start();
            return slot;
        }
        if (worker->claim()) {
            worker->FThreadID = slot;
            worker->give(Code, para, isLua);
            return slot;
        }
    }
    return -1;
}

void ScriptDispatcher::stopAll(const std::function<void()> &keepAlive) {
    for (auto &worker : MyThreadList) {
        if (worker)
            worker->requestStop();
    }
    for (auto &worker : MyThreadList) {
        if (!worker)
            continue;
        while (!worker->wait(10))
            keepAlive();
        worker.reset();
    }
}

int ScriptDispatcher::createdWorkers() const {
    int count = 0;
    for (const auto &worker : MyThreadList)
        count += worker ? 1 : 0;
    return count;
}

int ScriptDispatcher::runningWorkers() const {
    int count = 0;
    for (const auto &worker : MyThreadList)
        count += worker && worker->isRunning() ? 1 : 0;
    return count;
}
