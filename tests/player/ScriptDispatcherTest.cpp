#include "script/ScriptDispatcher.h"

#include <QMutex>
#include <QSemaphore>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

namespace {

// Engines that note what they ran, where, and hold each run until released.
struct HeldEngines {
    QSemaphore started;
    QSemaphore release;
    QMutex lock;
    QStringList ran;
    std::atomic<int> running{0};

    ScriptEngines engines() {
        auto run = [this](const char *engine) {
            return [this, engine](const QString &code, const QString &para) {
                {
                    QMutexLocker hold(&lock);
                    ran << QString::fromLatin1(engine) + QLatin1Char(':') + code +
                               QLatin1Char('|') + para;
                }
                ++running;
                started.release();
                release.acquire();
                --running;
                return true;
            };
        };
        return {run("line"), run("lua")};
    }
};

TEST(ScriptDispatcher, LongScriptsRunSideBySideOnWorkersFromTheLowestSlot) {
    HeldEngines held;
    ScriptDispatcher pool(held.engines());
    EXPECT_EQ(pool.RunCode_byTheadPool(QStringLiteral("_ENG=1;Sleep(1)"), QStringLiteral("a")), 0);
    EXPECT_EQ(pool.RunCode_byTheadPool(QStringLiteral("_ENG=2; x()"), QStringLiteral("b")), 1);
    ASSERT_TRUE(held.started.tryAcquire(2, 5000));
    EXPECT_EQ(held.running, 2) << "both run at the same time";

    held.release.release(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pool.runningWorkers() == 0; }, 5000));
    EXPECT_EQ(pool.RunCode_byTheadPool(QStringLiteral("_ENG=1;again"), QString()), 0)
        << "after all have ended new code goes to slot 0";
    ASSERT_TRUE(held.started.tryAcquire(1, 5000));
    held.release.release(1);
    pool.stopAll([] {});

    // The first two ran side by side, in either order.
    std::sort(held.ran.begin(), held.ran.begin() + 2);
    EXPECT_EQ(held.ran, (QStringList{QStringLiteral("line:_ENG=1;Sleep(1)|a"),
                                     QStringLiteral("lua:_ENG=2; x()|b"),
                                     QStringLiteral("line:_ENG=1;again|")}));
}

TEST(ScriptDispatcher, TheEngineFollowsTheMarker) {
    HeldEngines held;
    ScriptDispatcher pool(held.engines());
    for (const char *code : {"_ENG=1;a", "_ENG x", "_ENG=1; _ENG=2; y"})
        pool.RunScriptbyNewThread(QString::fromLatin1(code), QString());
    ASSERT_TRUE(held.started.tryAcquire(3, 5000));
    held.release.release(3);
    pool.stopAll([] {});
    held.ran.sort();
    EXPECT_EQ(held.ran,
              (QStringList{QStringLiteral("line:_ENG x|"), QStringLiteral("line:_ENG=1;a|"),
                           QStringLiteral("lua:_ENG=1; _ENG=2; y|")}));
}

TEST(ScriptDispatcher, The51stScriptWhileFiftyRunIsDropped) {
    HeldEngines held;
    ScriptDispatcher pool(held.engines());
    for (int i = 0; i < ScriptDispatcher::SlotCount; ++i)
        EXPECT_EQ(
            pool.RunCode_byTheadPool(QStringLiteral("_ENG=1;") + QString::number(i), QString()), i);
    ASSERT_TRUE(held.started.tryAcquire(ScriptDispatcher::SlotCount, 10000));
    EXPECT_EQ(pool.RunCode_byTheadPool(QStringLiteral("_ENG=1;late"), QString()), -1);
    EXPECT_EQ(pool.createdWorkers(), ScriptDispatcher::SlotCount);
    held.release.release(ScriptDispatcher::SlotCount);
    pool.stopAll([] {});
    EXPECT_FALSE(held.ran.join(QLatin1Char(',')).contains(QLatin1String("late")));
}

} // namespace
