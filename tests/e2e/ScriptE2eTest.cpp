#include "InstalledPlayer.h"
#include "SubstituteController.h"

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

    SubstituteController controller;
    ASSERT_TRUE(controller.start()) << "the controller did not start";
    const QColor centre = centreOfScreenshot(player, page, 2500);
    const QByteArray log = controller.stopAndReadLog();
    EXPECT_TRUE(log.contains("from_script.tsk?n=1")) << log.constData();
    // The page fills the screen; its lamp sits in the middle.
    EXPECT_EQ(centre, QColor(Qt::red)) << centre.name().toStdString();
}

} // namespace
