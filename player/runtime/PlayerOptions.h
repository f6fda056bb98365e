#pragma once

#include "net/LinkWorker.h"

#include <QHostAddress>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// How the player was started: the folder of its executable, the page given
// on the command line, and the options of ours around it.
struct PlayerOptions {
    QString executableDir;
    // Page file to show first instead of the project's entry page.
    QString pageArgument;
    // Saves a picture of the window once the first page is shown, then quits.
    QString screenshotPath;
    int screenshotDelayMs = 1500;
    // Where the request for designers goes; the environment variable
    // PANELO_DESIGNER_ADDRESS narrows it (tests keep it on this machine).
    QHostAddress designerAddress = QHostAddress(QHostAddress::Broadcast);
    quint16 designerPort = 8811;
    int userTimerInterval = 1000;
    LinkTimings linkTimings;
    // Draw this page to `renderOutput` and quit, beside any running player.
    QString renderPage;
    QString renderOutput;
    QSize renderSize;

    // Reads the arguments (without the program name). Returns nothing and sets
    // `error` when they cannot be understood.
    static std::optional<PlayerOptions> parse(const QStringList &arguments,
                                              const QString &executableDir, QString *error);
    static QString usage();
};
