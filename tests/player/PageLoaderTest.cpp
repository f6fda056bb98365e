#include "runtime/PageLoader.h"
#include "runtime/Messages.h"
#include "runtime/PageSurface.h"

#include "TempFolder.h"

#include <QGraphicsScene>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A page surface on a scene of its own, as the window has it.
struct Surface {
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    Surface() { scene.addItem(area); }
};

const QByteArray TwoObjectPage =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<data><setting Width=\"1280\" Height=\"720\" Host=\"10.0.0.9\" tag=\"3\"/>"
    "<Label Text=\"Title\" X=\"5\"/><Button src=\"b.png\" Task=\"lamp.tsk\"/></data>";

TEST(PageLoader, ReadsTheSettingsAndKeepsTheDocumentForActions) {
    TempFolder dir;
    Surface surface;
    PageLoader loader(surface.area);
    QSignalSpy loaded(&loader, &PageLoader::pageLoaded);
    loader.LoadUI(dir.write(QStringLiteral("index.ui"), TwoObjectPage));

    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loader.settings().width, 1280);
    EXPECT_EQ(loader.settings().host, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(loader.settings().tag, 3);
    EXPECT_EQ(loader.MainXML1().childCount(), 3);
    EXPECT_EQ(loader.GetValueFromXML(2, "Task"), QStringLiteral("lamp.tsk"));

    loader.setClosing(true);
    EXPECT_EQ(loader.GetValueFromXML(2, "Task"), QString());
}

TEST(PageLoader, RemembersThePreviousPageAlsoWhenTheNewOneIsMissing) {
    TempFolder dir;
    Surface surface;
    PageLoader loader(surface.area);
    const QString first = dir.write(QStringLiteral("a.ui"), TwoObjectPage);
    const QString second = dir.path(QStringLiteral("missing.ui"));
    loader.LoadUI(first);
    loader.LoadUI(second);
    EXPECT_EQ(loader.LastUIPage(), first);
    EXPECT_EQ(loader.CurrentUIPage(), second);
}

TEST(PageLoader, AMissingEntryPageAsksForTheSettingsPanel) {
    TempFolder dir;
    Surface surface;
    PageLoader loader(surface.area);
    QSignalSpy missing(&loader, &PageLoader::entryPageMissing);
    QSignalSpy message(&loader, &PageLoader::statusMessage);
    loader.LoadUI(dir.path(QStringLiteral("index.ui")));
    EXPECT_EQ(missing.count(), 1);
    EXPECT_EQ(message.count(), 0);
}

TEST(PageLoader, AnyOtherMissingPageIsReportedWithoutCountdown) {
    TempFolder dir;
    Surface surface;
    PageLoader loader(surface.area);
    QSignalSpy missing(&loader, &PageLoader::entryPageMissing);
    QSignalSpy message(&loader, &PageLoader::statusMessage);
    loader.LoadUI(dir.path(QStringLiteral("page2.ui")));
    EXPECT_EQ(missing.count(), 0);
    ASSERT_EQ(message.count(), 1);
    EXPECT_EQ(message.at(0).at(0).toString(), QString::fromUtf8(messages::PageNotFound));
    EXPECT_EQ(message.at(0).at(1).toInt(), 0);
}

TEST(PageLoader, ABrokenPageIsReportedByNameAndTheShownPageStays) {
    const QByteArray brokenFiles[] = {"", "not xml at all", "<data><setting></data>",
                                      "<?xml version=\"1.0\"?>"};
    for (const QByteArray &broken : brokenFiles) {
        TempFolder dir;
        Surface surface;
        PageLoader loader(surface.area);
        loader.LoadUI(dir.write(QStringLiteral("index.ui"), TwoObjectPage));
        QSignalSpy message(&loader, &PageLoader::statusMessage);
        QSignalSpy loaded(&loader, &PageLoader::pageLoaded);
        loader.LoadUI(dir.write(QStringLiteral("broken.ui"), broken));

        EXPECT_EQ(loaded.count(), 0) << broken.constData();
        ASSERT_EQ(message.count(), 1) << broken.constData();
        EXPECT_TRUE(message.at(0).at(0).toString().contains(QStringLiteral("broken.ui")));
        EXPECT_EQ(loader.GetValueFromXML(2, "Task"), QStringLiteral("lamp.tsk"));
    }
}

} // namespace
