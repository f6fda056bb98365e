#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Draws one page off screen exactly as the player would show it on a screen
// of the given size (the page's own design size when none is given) and
// saves the picture. Returns false when no picture could be made; `messages`
// receives what the status line would have said.
bool renderPageToFile(const QString &pagePath, const QString &outputPath, QSize screenSize,
                      QStringList *messages);
