#include "InstalledPlayer.h"

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

    QProcess controller;
    controller.start(QStringLiteral(CONTROLLER_SIM_BINARY),
                     {QStringLiteral("--listen"), QStringLiteral("127.0.0.1"),
                      QStringLiteral("--scenario"), scenario, QStringLiteral("--udp-port"),
                      QStringLiteral("0"), QStringLiteral("--config-port"), QStringLiteral("0"),
                      QStringLiteral("--http-port"), QStringLiteral("0")});
    ASSERT_TRUE(controller.waitForStarted(5000));
    ASSERT_TRUE(controller.waitForReadyRead(5000)) << "the controller did not start";

    const QString shot = player.folder() + QStringLiteral("/shot.png");
    QProcess &panel =
        player.start({QStringLiteral("--screenshot"), shot, QStringLiteral("--screenshot-delay"),
                      QStringLiteral("4500"), page});
    ASSERT_TRUE(panel.waitForFinished(20000)) << "the player did not finish";

    QByteArray log = controller.readAllStandardOutput();
    controller.terminate();
    controller.waitForFinished(5000);
    log += controller.readAllStandardOutput();
    EXPECT_TRUE(log.contains("ping_me.tsk?val=")) << log.constData();

    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull()) << "no screenshot";
    // The page fills the screen; its lamp sits in the middle.
    const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    EXPECT_EQ(middle, QColor(Qt::red)) << middle.name().toStdString();
}

} // namespace
