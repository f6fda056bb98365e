#include "runtime/PageSurface.h"
#include "runtime/TmyImage.h"

#include "TempFolder.h"
#include "page/PageSettings.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

struct ShownSurface {
    PageSurface surface;
    explicit ShownSurface(QSize size) {
        surface.setAttribute(Qt::WA_DontShowOnScreen);
        surface.resize(size);
        surface.show();
        QApplication::processEvents();
    }
    QRectF pageOnScreen() const {
        WorkAreaItem *area = surface.MainWorkArea();
        return area->sceneTransform().mapRect(area->boundingRect());
    }
};

page::PageSettings pageOf(int w, int h, bool stretch, bool fill = false) {
    page::PageSettings settings;
    settings.width = w;
    settings.height = h;
    settings.stretch = stretch;
    settings.fillBlankBG = fill;
    return settings;
}

TEST(PageSurface, PagesAreFittedUniformlyOrStretchedAndRefittedWhenTheViewChanges) {
    ShownSurface shown(QSize(1600, 900));
    shown.surface.fitPage(pageOf(1000, 1000, false), QString(), true);
    EXPECT_EQ(shown.pageOnScreen(), QRectF(350, 0, 900, 900));

    shown.surface.fitPage(pageOf(1000, 1000, true), QString(), true);
    EXPECT_EQ(shown.pageOnScreen(), QRectF(0, 0, 1600, 900));

    shown.surface.resize(800, 800);
    QApplication::processEvents();
    EXPECT_EQ(shown.pageOnScreen(), QRectF(0, 0, 800, 800));
}

TEST(PageSurface, TheTurnedPageStaysCentredWhereItIsShown) {
    ShownSurface shown(QSize(1600, 900));
    shown.surface.fitPage(pageOf(1000, 1000, false), QString(), true);
    shown.surface.setAngle(90);
    EXPECT_EQ(shown.pageOnScreen().center(), QPointF(800, 450));
}

TEST(PageSurface, TheLetterboxFillStaysBehindLaterPages) {
    TempFolder dir;
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    const QString background = dir.path(QStringLiteral("bg.png"));
    picture.save(background);

    ShownSurface shown(QSize(1600, 900));
    shown.surface.fitPage(pageOf(1920, 1080, false, true), background, true);
    EXPECT_EQ(shown.surface.FullScreenBG(), nullptr) << "same aspect: no margins to fill";

    shown.surface.fitPage(pageOf(1000, 1000, false, true), background, true);
    TmyImage *fill = shown.surface.FullScreenBG();
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->size(), QSizeF(1600, 900));

    shown.surface.fitPage(pageOf(1000, 1000, false, false), QString(), true);
    EXPECT_TRUE(fill->isVisible());
    EXPECT_EQ(fill->LastURL, background);
}

} // namespace
