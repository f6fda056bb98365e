#include "InstalledPlayer.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QByteArray ColouredPage =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<data><setting Width=\"400\" Height=\"200\" Color=\"-16776961\"/>"
    "<Label Text=\"Hello 你好\" X=\"10\" Y=\"10\" Size=\"20\" Color=\"-1\"/></data>";

struct Outcome {
    int exitCode;
    QString errors;
};

Outcome render(InstalledPlayer &player, const QStringList &arguments) {
    QProcess &process = player.start(arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(PlayerRender, DrawsAPageBesideARunningPlayerAndLeavesNoTrace) {
    InstalledPlayer player;
    player.writeProjectFile(QStringLiteral("index.ui"), ColouredPage);
    player.start();
    ASSERT_TRUE(player.waitForLock(10000));

    const QString page = player.writeProjectFile(QStringLiteral("p.ui"), ColouredPage);
    const QString out = player.folder() + QStringLiteral("/p.png");
    const Outcome run = render(player, {QStringLiteral("--render"), page, QStringLiteral("--out"),
                                        out, QStringLiteral("--size"), QStringLiteral("800x400")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    const QImage picture(out);
    ASSERT_EQ(picture.size(), QSize(800, 400));
    EXPECT_EQ(picture.pixelColor(400, 390), QColor(Qt::blue)) << "the page colour, scaled up";
    EXPECT_FALSE(QFileInfo::exists(player.folder() + QStringLiteral("/AppConfig.dat")));
}

TEST(PlayerRender, MissingAndBrokenPagesFailWithTheStatusLineText) {
    InstalledPlayer player;
    const QString broken = player.writeProjectFile(QStringLiteral("broken.ui"), "<data><setting>");
    const QString out = player.folder() + QStringLiteral("/x.png");
    const struct {
        QString page;
        QString said;
    } cases[] = {
        {player.folder() + QStringLiteral("/sdata/none.ui"), QStringLiteral("UI File not found!")},
        {broken, QStringLiteral("broken.ui")},
    };
    for (const auto &c : cases) {
        const Outcome run =
            render(player, {QStringLiteral("--render"), c.page, QStringLiteral("--out"), out});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(run.errors.contains(c.said)) << run.errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}

} // namespace
