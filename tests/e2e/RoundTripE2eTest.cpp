#include "InstalledPlayer.h"
#include "SubstituteController.h"

#include <QDeadlineTimer>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// A page that asks the controller every second and shows a red lamp only
// when the controller's report says so.
const QByteArray AskingPage = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                              "<data><setting Width=\"400\" Height=\"300\" Host=\"127.0.0.1\"/>"
                              "<Timer Interval=\"1\" Task=\"ping_me.tsk\"/>"
                              "<Button Name=\"Lamp\" src=\"red.png\" X=\"100\" Y=\"100\" "
                              "Width=\"200\" Height=\"100\" type=\"0\" Alpha=\"0\"/></data>";

TEST(PlayerAndController, ATaskGoesOutAndTheReportComesBackOnScreen) {
    InstalledPlayer player;
    QImage red(20, 20, QImage::Format_ARGB32);
    red.fill(Qt::red);
    red.save(player.writeProjectFile(QStringLiteral("res/red.png"), QByteArray()));
    const QString page = player.writeProjectFile(QStringLiteral("index.ui"), AskingPage);
    const QString scenario = player.writeProjectFile(
        QStringLiteral("test.scenario"), "on ping_me.tsk send @RTD_BEGIN\\nLamp||100\n");

    SubstituteController controller;
    ASSERT_TRUE(controller.start(scenario)) << "the controller did not start";
    const QColor centre = centreOfScreenshot(player, page, 4500);
    const QByteArray log = controller.stopAndReadLog();
    EXPECT_TRUE(log.contains("ping_me.tsk?val=")) << log.constData();
    // The page fills the screen; its lamp sits in the middle.
    EXPECT_EQ(centre, QColor(Qt::red)) << centre.name().toStdString();
}

} // namespace
