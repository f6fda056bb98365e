#include "SubstituteController.h"

#include "InstalledPlayer.h"

#include <QColor>
#include <QImage>

bool SubstituteController::start(const QString &scenarioFile) {
    QStringList arguments{QStringLiteral("--listen"),      QStringLiteral("127.0.0.1"),
                          QStringLiteral("--udp-port"),    QStringLiteral("0"),
                          QStringLiteral("--config-port"), QStringLiteral("0"),
                          QStringLiteral("--http-port"),   QStringLiteral("0")};
    if (!scenarioFile.isEmpty())
        arguments << QStringLiteral("--scenario") << scenarioFile;
    m_process.start(QStringLiteral(CONTROLLER_SIM_BINARY), arguments);
    return m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000);
}

QByteArray SubstituteController::stopAndReadLog() {
    QByteArray log = m_process.readAllStandardOutput();
    m_process.terminate();
    m_process.waitForFinished(5000);
    return log + m_process.readAllStandardOutput();
}

QColor centreOfScreenshot(InstalledPlayer &player, const QString &page, int delayMs) {
    const QString shot = player.folder() + QStringLiteral("/shot.png");
    QProcess &panel =
        player.start({QStringLiteral("--screenshot"), shot, QStringLiteral("--screenshot-delay"),
                      QString::number(delayMs), page});
    if (!panel.waitForFinished(20000))
        return QColor();
    const QImage picture(shot);
    if (picture.isNull())
        return QColor();
    return picture.pixelColor(picture.width() / 2, picture.height() / 2);
}
