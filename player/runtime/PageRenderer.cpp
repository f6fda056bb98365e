#include "PageRenderer.h"

#include "Messages.h"
#include "PageLoader.h"
#include "PageSurface.h"
#include "StatusLine.h"
#include "project/ProjectPaths.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

bool renderPageToFile(const QString &pagePath, const QString &outputPath, QSize screenSize,
                      QStringList *messages) {
    const QString page = QFileInfo(pagePath).absoluteFilePath();
    if (!project::fileExists(page)) {
        *messages << QString::fromUtf8(messages::PageNotFound) + QStringLiteral(" ") + pagePath;
        return false;
    }

    PageSurface surface;
    surface.setAttribute(Qt::WA_DontShowOnScreen);
    PageLoader loader(surface.MainWorkArea());
    loader.setProjectRoot(project::uiRootOfPage(page));

    QObject::connect(&loader, &PageLoader::statusMessage,
                     [messages](const QString &text, int) { *messages << text; });
    QObject::connect(&loader.builder(), &PageBuilder::fitRequested,
                     [&](const page::PageSettings &settings, const QString &background) {
                         if (!screenSize.isValid())
                             screenSize = QSize(settings.width, settings.height);
                         surface.resize(screenSize);
                         surface.fitPage(settings, background, true);
                     });
    bool loaded = false;
    QObject::connect(&loader, &PageLoader::pageLoaded, [&loaded] { loaded = true; });

    surface.statusLine()->hide();
    loader.LoadUI(page);
    if (!loaded)
        return false;

    surface.show();
    QApplication::processEvents();
    if (!surface.grab().toImage().save(outputPath)) {
        *messages << QStringLiteral("cannot write the picture ") + outputPath;
        return false;
    }
    return true;
}
