// Script dispatch latency to an idle worker, and the line engine's speed on
// simple calls.
#include "script/LineEngine.h"
#include "script/ScriptDispatcher.h"
#include "script/ScriptHost.h"

#include <QElapsedTimer>
#include <QSemaphore>

#include <benchmark/benchmark.h>

#include <atomic>

namespace {

// A host whose page and network do nothing: the engine alone is measured.
class IdleHost : public ScriptHost {
public:
    bool UpdateUI(const QString &, const QString &, int, int) override { return true; }
    QString GetUIValue(const QString &) override { return QString(); }
    void ShowInfoByMain(const QString &, int, bool) override {}
    bool SendSMS(const QString &, const QString &) override { return false; }
    void CloseApp() override {}
    void LoadUI(const QString &) override {}
    void OpenURL(const QString &) override {}
    QString idSendTCP(const QString &, const QString &, const QString &, int) override {
        return QString();
    }
    void idSendUDP(const QString &, quint16, const QString &, int) override {}
    QString idHttpGet(const QString &, int) override { return QString(); }
    QString idHttpPost(const QString &, const QString &, int) override { return QString(); }
    bool Sleep(int) override { return true; }
    bool stopping() const override { return false; }
};

void DispatchToIdleWorker(benchmark::State &state) {
    QSemaphore ran;
    std::atomic<qint64> startedAt{0};
    QElapsedTimer clock;
    clock.start();
    std::atomic<qint64> latency{0};
    ScriptDispatcher pool({[&](const QString &, const QString &) {
                               latency = clock.nsecsElapsed() - startedAt;
                               ran.release();
                               return true;
                           },
                           [](const QString &, const QString &) { return false; }});
    pool.RunScriptbyNewThread(QStringLiteral("_ENG=1;warm"), QString());
    ran.acquire();
    for (auto _ : state) {
        // Let the worker go back to waiting, as between two touches.
        QThread::usleep(500);
        startedAt = clock.nsecsElapsed();
        pool.RunScriptbyNewThread(QStringLiteral("_ENG=1;x"), QString());
        ran.acquire();
        state.SetIterationTime(double(latency) / 1e9);
    }
}

void SimpleStatements(benchmark::State &state) {
    IdleHost host;
    QString script = QStringLiteral("_ENG=1;\r\n");
    const int statements = 100000;
    for (int i = 0; i < statements; ++i)
        script += QStringLiteral("a = Inc(1, 2)\r\n");
    for (auto _ : state)
        Run_Script(script, QString(), host);
    state.counters["statements/s"] = benchmark::Counter(
        double(statements) * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(DispatchToIdleWorker)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK(SimpleStatements)->Unit(benchmark::kMillisecond);

} // namespace
