#pragma once

#include <QColor>
#include <QProcess>
#include <QStringList>

// The real substitute controller on 127.0.0.1, port 8800 (the player's
// fixed controller port), its other ports left to the system.
class SubstituteController {
public:
    // True once it has said what it listens on.
    bool start(const QString &scenarioFile = QString());
    // Stops it and returns everything it printed.
    QByteArray stopAndReadLog();

private:
    QProcess m_process;
};

class InstalledPlayer;

// Runs the installed player on a page until it has saved its screenshot
// after `delayMs`; returns the picture's centre colour, or an invalid colour.
QColor centreOfScreenshot(InstalledPlayer &player, const QString &page, int delayMs);
