#include "InstalledPlayer.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

namespace {

const QByteArray EntryPage = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                             "<data><setting Width=\"800\" Height=\"600\"/></data>";

TEST(PlayerProgram, ASecondStartSaysSoAndLeavesTheFirstRunning) {
    InstalledPlayer player;
    player.writeProjectFile(QStringLiteral("index.ui"), EntryPage);
    QProcess &first = player.start();
    ASSERT_TRUE(player.waitForLock(10000)) << "the first player never took its lock";

    QProcess &second = player.start();
    QByteArray said;
    QDeadlineTimer deadline(10000);
    while (!said.contains('\n') && !deadline.hasExpired()) {
        second.waitForReadyRead(200);
        said += second.readAllStandardError();
    }
    EXPECT_TRUE(QString::fromUtf8(said).contains(QString::fromUtf8(
        "已经有一个Panelo被打开，请关闭后重试,如果找不到在后台运行的程序，请尝试重启电脑！")))
        << said.constData();
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
