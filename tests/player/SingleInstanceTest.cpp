#include "runtime/SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

QString uniqueName() {
    return QStringLiteral("PaneloTest_") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString lockPathFor(const QString &name) {
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
}

} // namespace

TEST(SingleInstance, ASecondInstanceOfTheSameNameSeesTheFirst) {
    const QString name = uniqueName();
    const SingleInstance first(name);
    const SingleInstance second(name);
    const SingleInstance other(uniqueName());

    EXPECT_FALSE(first.alreadyExists());
    EXPECT_TRUE(second.alreadyExists());
    EXPECT_FALSE(other.alreadyExists());
}

TEST(SingleInstance, TheLockIsFreeAgainOnceItsHolderIsGone) {
    const QString name = uniqueName();
    {
        const SingleInstance first(name);
        ASSERT_FALSE(first.alreadyExists());
    }
    const SingleInstance next(name);
    EXPECT_FALSE(next.alreadyExists());
    EXPECT_TRUE(SingleInstance(name).alreadyExists());
}

TEST(SingleInstance, ALockFileLeftBehindCountsOnlyWhileItsProcessLives) {
    struct Case {
        const char *what;
        qint64 pid;
        int ageSeconds;
        bool expectedExists;
    };
    // No process has the pid 999999999: it is past the largest Linux pid and
    // Windows pids are multiples of 4.
    const Case cases[] = {
        {"dead process", 999999999, 0, false},
        {"this process, locked an hour ago", QCoreApplication::applicationPid(), 3600, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString name = uniqueName();
        const QString lockPath = lockPathFor(name);
        {
            // The lines QLockFile writes: pid, program, host.
            QFile lock(lockPath);
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(c.pid) + '\n' +
                       QCoreApplication::applicationFilePath().toUtf8() + '\n' +
                       QSysInfo::machineHostName().toUtf8() + '\n');
            ASSERT_TRUE(lock.flush());
            ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-c.ageSeconds),
                                         QFileDevice::FileModificationTime));
        }
        {
            const SingleInstance instance(name);
            EXPECT_EQ(instance.alreadyExists(), c.expectedExists);
        }
        QFile::remove(lockPath);
    }
}
