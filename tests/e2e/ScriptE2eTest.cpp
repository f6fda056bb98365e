#include "InstalledPlayer.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// On load, a script of the page waits, shows a red lamp and asks the
// controller over a connection of its own.
const QByteArray ScriptedPage =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<data><setting Width=\"400\" Height=\"300\"/>"
    "<Button Name=\"Lamp\" src=\"red.png\" X=\"100\" Y=\"100\" Width=\"200\" Height=\"100\" "
    "type=\"0\" Alpha=\"0\"/>"
    "<Event Type=\"onLoad\" Task=\"_ENG=1;&#x0D;&#x0A;Sleep(500)&#x0D;&#x0A;"
    "UpdateUI(&quot;Lamp&quot;, &quot;&quot;, 100, -1)&#x0D;&#x0A;"
    "r = SendTCP(&quot;127.0.0.1&quot;, 8800, &quot;from_script.tsk?n=1&quot;, 0, 500)\"/>"
    "</data>";

TEST(PlayerScripts, APageScriptChangesAnObjectAndTalksToTheController) {
    InstalledPlayer player;
    QImage red(20, 20, QImage::Format_ARGB32);
    red.fill(Qt::red);
    red.save(player.writeProjectFile(QStringLiteral("res/red.png"), QByteArray()));
    const QString page = player.writeProjectFile(QStringLiteral("index.ui"), ScriptedPage);

    QProcess controller;
    controller.start(QStringLiteral(CONTROLLER_SIM_BINARY),
                     {QStringLiteral("--listen"), QStringLiteral("127.0.0.1"),
                      QStringLiteral("--udp-port"), QStringLiteral("0"),
                      QStringLiteral("--config-port"), QStringLiteral("0"),
                      QStringLiteral("--http-port"), QStringLiteral("0")});
    ASSERT_TRUE(controller.waitForStarted(5000));
    ASSERT_TRUE(controller.waitForReadyRead(5000)) << "the controller did not start";

    const QString shot = player.folder() + QStringLiteral("/shot.png");
    QProcess &panel =
        player.start({QStringLiteral("--screenshot"), shot, QStringLiteral("--screenshot-delay"),
                      QStringLiteral("2500"), page});
    ASSERT_TRUE(panel.waitForFinished(20000)) << "the player did not finish";

    QByteArray log = controller.readAllStandardOutput();
    controller.terminate();
    controller.waitForFinished(5000);
    log += controller.readAllStandardOutput();
    EXPECT_TRUE(log.contains("from_script.tsk?n=1")) << log.constData();

    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull()) << "no screenshot";
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::red));
}

} // namespace
