#include "runtime/PageLoader.h"
#include "runtime/PageSurface.h"
#include "runtime/TextObject.h"
#include "runtime/TmyImage.h"
#include "runtime/TrichRect.h"

#include "TempFolder.h"

#include <QDir>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QImage>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A project folder with pictures in res/ and a loader showing its pages on a
// surface of its own.
class PageFixture : public ::testing::Test {
protected:
    PageFixture() : loader(area) {
        scene.addItem(area);
        area->setSize(QSizeF(1280, 720));
        loader.setProjectRoot(project.path() + QLatin1Char('/'));
        QDir().mkpath(project.path(QStringLiteral("res")));
        picture(QStringLiteral("bg.png"), QSize(1280, 720));
        picture(QStringLiteral("b.png"), QSize(100, 40));
        picture(QStringLiteral("track.png"), QSize(300, 20));
    }

    void picture(const QString &name, QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        image.save(project.path(QStringLiteral("res/")) + name);
    }

    QString page(const QString &name, const QByteArray &settings, const QByteArray &objects) {
        return project.write(name, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting " +
                                       settings + "/>" + objects + "</data>");
    }

    template <class T> T *object(const char *componentName) {
        return qobject_cast<T *>(loader.pool().find(QString::fromLatin1(componentName)));
    }

    const TUserObjectNameList *named(const QString &userName) {
        for (const TUserObjectNameList &entry : loader.pool().AllObjNameID()) {
            if (entry.UserName == userName)
                return &entry;
        }
        return nullptr;
    }

    TempFolder project;
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    PageLoader loader;
};

TEST_F(PageFixture, APageSwitchReusesPooledPicturesByTheirGeneratedNames) {
    const QByteArray three =
        "<Button src=\"b.png\"/><Button src=\"b.png\"/><Button src=\"b.png\"/>";
    const QString a = page(QStringLiteral("a.ui"), "src=\"bg.png\"", three);
    const QString b =
        page(QStringLiteral("b.ui"), "src=\"bg.png\"", "<Button src=\"b.png\" X=\"7\"/>");
    loader.LoadUI(a);
    const int made = loader.pool().ObjCount();
    TmyImage *first = object<TmyImage>("IMG_1");
    TmyImage *third = object<TmyImage>("IMG_3");
    ASSERT_TRUE(first && third);

    loader.LoadUI(b);
    EXPECT_EQ(object<TmyImage>("IMG_1"), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), QPointF(7, 0));
    EXPECT_FALSE(third->isVisible());
    EXPECT_EQ(objectTag(third), -1);

    loader.LoadUI(a);
    EXPECT_EQ(loader.pool().ObjCount(), made);
    EXPECT_TRUE(third->isVisible());
}

TEST_F(PageFixture, TheSameBackgroundIsNotReadAgain) {
    const QString a = page(QStringLiteral("a.ui"), "src=\"bg.png\" BG.Alpha=\"40\"", "");
    const QString b = page(QStringLiteral("b.ui"), "src=\"bg.png\"", "");
    loader.LoadUI(a);
    TmyImage *background = object<TmyImage>("IMG_BGBG");
    ASSERT_TRUE(background);
    const qint64 key = background->picture().cacheKey();
    EXPECT_DOUBLE_EQ(background->opacity(), 0.4);
    loader.LoadUI(b);
    EXPECT_EQ(background->picture().cacheKey(), key);
    EXPECT_TRUE(background->isVisible());
    ASSERT_TRUE(named(QStringLiteral("app.bg")));
    EXPECT_EQ(named(QStringLiteral("app.bg"))->objectName, QStringLiteral("IMG_BGBG"));
}

TEST_F(PageFixture, APageColourShowsWhenTheBackgroundPictureIsMissing) {
    // No src names the picture folder itself, which is no picture either.
    for (const QByteArray &src : {QByteArray("src=\"none.png\""), QByteArray()}) {
        QSignalSpy messages(&loader, &PageLoader::statusMessage);
        loader.LoadUI(page(QStringLiteral("a.ui"), src + " Color=\"-16776961\" Color1=\"-1\"", ""));
        auto *colour = object<TrichRect>("RichRect_BGBG");
        ASSERT_TRUE(colour) << src.constData();
        EXPECT_TRUE(colour->isVisible());
        EXPECT_EQ(colour->size(), area->size());
        EXPECT_TRUE(object<TmyImage>("IMG_BGBG")->picture().isNull());
        EXPECT_EQ(messages.count(), 0);
    }
}

TEST_F(PageFixture, APictureWithABackgroundRegistersBothNames) {
    loader.LoadUI(page(QStringLiteral("a.ui"), "",
                       "<Label Text=\"x\"/><Button src=\"b.png\" Name=\"Lamp\" X=\"10\" Y=\"5\">"
                       "<BG src=\"track.png\" X=\"100\" Y=\"200\"/></Button>"));
    const TUserObjectNameList *button = named(QStringLiteral("Lamp"));
    const TUserObjectNameList *background = named(QStringLiteral("Lamp.BG"));
    ASSERT_TRUE(button && background);
    EXPECT_EQ(button->XMLID, 2);
    EXPECT_EQ(background->XMLID, 2);
    auto *image = object<TmyImage>(button->objectName.toLatin1().constData());
    auto *track = object<TmyImage>(background->objectName.toLatin1().constData());
    ASSERT_TRUE(image && track);
    EXPECT_EQ(image->parentItem(), track);
    EXPECT_EQ(image->scenePos(), QPointF(110, 205));

    loader.LoadUI(page(QStringLiteral("b.ui"), "", ""));
    EXPECT_EQ(image->parentItem(), area) << "the clearing step takes it back";
    EXPECT_FALSE(track->isVisible());
}

TEST_F(PageFixture, AMissingPictureCreatesNeitherButtonNorCaptionButKeepsItsBackground) {
    loader.LoadUI(page(QStringLiteral("a.ui"), "",
                       "<Button src=\"gone.png\" Name=\"Gone\"><Label Text=\"cap\"/>"
                       "<BG src=\"track.png\"/></Button>"));
    EXPECT_EQ(named(QStringLiteral("Gone")), nullptr);
    ASSERT_TRUE(named(QStringLiteral("Gone.BG")));
    EXPECT_EQ(object<TextObject>("TEXT_1"), nullptr);
}

TEST_F(PageFixture, AnEmptyTextCreatesNothingAndIsNotNamed) {
    loader.LoadUI(page(QStringLiteral("a.ui"), "", "<Label Name=\"Empty\" Text=\"\"/>"));
    EXPECT_EQ(named(QStringLiteral("Empty")), nullptr);
    EXPECT_EQ(object<TextObject>("TEXT_1"), nullptr);
}

struct CaptionCase {
    int pos;
    Qt::Alignment alignment;
    // Expected geometry in terms of the picture (100 x 40) and the text size.
    std::function<QRectF(qreal tw, qreal th)> rect;
};

TEST_F(PageFixture, CaptionsArePlacedByTheirPosition) {
    const CaptionCase cases[] = {
        {0, Qt::AlignCenter, [](qreal, qreal) { return QRectF(0, 0, 100, 40); }},
        {1, Qt::AlignHCenter | Qt::AlignTop,
         [](qreal, qreal th) { return QRectF(0, 40, 100, th); }},
        {2, Qt::AlignLeading | Qt::AlignVCenter,
         [](qreal tw, qreal th) { return QRectF(100, 20 - th / 2, tw + 2, th); }},
        {3, Qt::AlignTrailing | Qt::AlignVCenter,
         [](qreal tw, qreal th) { return QRectF(-tw, 20 - th / 2, tw, th); }},
        {4, Qt::AlignHCenter | Qt::AlignBottom,
         [](qreal, qreal th) { return QRectF(0, -th, 100, th); }},
    };
    for (const CaptionCase &c : cases) {
        loader.LoadUI(page(QStringLiteral("a.ui"), "",
                           "<Button src=\"b.png\"><Label Text=\"Caption\" Size=\"14\" Pos=\"" +
                               QByteArray::number(c.pos) + "\"/></Button>"));
        auto *caption = object<TextObject>("TEXT_1");
        ASSERT_TRUE(caption);
        EXPECT_EQ(caption->parentItem(), object<TmyImage>("IMG_1"));
        EXPECT_EQ(caption->alignment(), c.alignment) << c.pos;
        const QRectF expected = c.rect(caption->GetTXTWidth(), caption->GetTXTHeight());
        EXPECT_EQ(QRectF(caption->pos(), caption->size()), expected) << c.pos;
    }
}

TEST_F(PageFixture, PictureAttributesTakeTheirDefaultsAndLimits) {
    loader.LoadUI(page(QStringLiteral("a.ui"), "",
                       "<Button src=\"b.png\" type=\"3\" MaxAngel=\"0\" value=\"-5\"/>"
                       "<Button src=\"b.png\" type=\"3\" MaxAngel=\"400\" value=\"150\"/>"
                       "<Button src=\"b.png\" type=\"4\" value=\"x\" Height=\"99\"/>"
                       "<Button src=\"b.png\" isMutiTask=\"True\" RichEfect=\"True\" "
                       "NextUI=\"n.ui\"/>"));
    auto *knob1 = object<TmyImage>("IMG_1");
    auto *knob2 = object<TmyImage>("IMG_2");
    auto *slider = object<TmyImage>("IMG_3");
    auto *plain = object<TmyImage>("IMG_4");
    EXPECT_EQ(knob1->MaxAngel, 300);
    EXPECT_EQ(knob1->Percent, 0);
    EXPECT_EQ(knob2->MaxAngel, 300);
    EXPECT_EQ(knob2->Percent, 150);
    EXPECT_EQ(slider->Percent, 100);
    EXPECT_EQ(slider->size(), QSizeF(100, 40)) << "Height without Width keeps the picture size";
    EXPECT_EQ(plain->ButtonType, 1);
    EXPECT_FALSE(plain->isMutiTask);
    EXPECT_TRUE(plain->NextUI.isEmpty());
    EXPECT_TRUE(plain->isRichEff);
    EXPECT_DOUBLE_EQ(plain->Alpha2, 50);
}

TEST_F(PageFixture, TwoStatePicturesReadTheirStateUnderPageTagAndXmlId) {
    QStringList asked;
    loader.builder().setStateLookup([&asked](const QString &key) {
        asked << key;
        return QStringLiteral("1");
    });
    QByteArray objects;
    for (int i = 1; i < 7; ++i)
        objects += "<Label/>";
    objects += "<Button src=\"b.png\" type=\"2\" Alpha=\"100\" Alpha2=\"30\"/>";
    loader.LoadUI(page(QStringLiteral("a.ui"), "tag=\"3\"", objects));
    EXPECT_EQ(asked, QStringList{QStringLiteral("37")});
    auto *toggle = object<TmyImage>("IMG_1");
    EXPECT_TRUE(toggle->isDown);
    EXPECT_DOUBLE_EQ(toggle->opacity(), 0.3);
}

TEST_F(PageFixture, EventsRunAfterTheLoadAndOnCloseOnlyWhenTheNextPageExists) {
    const QString a = page(QStringLiteral("a.ui"), "",
                           "<Event Type=\"onLoad\" Task=\"loaded.tsk\"/>"
                           "<Event Type=\"onClose\" Task=\"closed.tsk\"/>"
                           "<Event Type=\"onload\" Task=\"never.tsk\"/>");
    QSignalSpy actions(&loader, &PageLoader::actionRequested);
    QStringList order;
    QObject::connect(&loader, &PageLoader::pageLoaded,
                     [&order] { order << QStringLiteral("loaded"); });
    QObject::connect(&loader, &PageLoader::actionRequested,
                     [&order](const QString &task) { order << task; });

    loader.LoadUI(a);
    EXPECT_EQ(order, (QStringList{QStringLiteral("loaded"), QStringLiteral("loaded.tsk")}));

    loader.LoadUI(project.path(QStringLiteral("missing.ui")));
    EXPECT_EQ(order.size(), 2) << "no onClose for a page that is not there";

    loader.LoadUI(page(QStringLiteral("b.ui"), "", ""));
    EXPECT_EQ(order.at(2), QStringLiteral("closed.tsk"));
    EXPECT_EQ(order.size(), 4);
}

TEST_F(PageFixture, TimersBecomeRecordsAndStandardControlsGetTheirNames) {
    QSignalSpy timerAdded(&loader.builder(), &PageBuilder::timerAdded);
    loader.LoadUI(page(QStringLiteral("a.ui"), "",
                       "<Timer Name=\"T\" Interval=\"3\"/><OButton Name=\"Go\" Text=\"Go\" "
                       "X=\"5\" Y=\"6\" Width=\"80\" Height=\"30\"/><Edit/><Unknown/>"));
    ASSERT_EQ(loader.timers().myTimerListCount(), 1);
    EXPECT_EQ(loader.timers().myTimerList()[0].interval, 3);
    EXPECT_EQ(loader.timers().myTimerList()[0].XMLID, 1);
    EXPECT_EQ(timerAdded.count(), 1);
    ASSERT_TRUE(named(QStringLiteral("Go")));
    EXPECT_EQ(named(QStringLiteral("Go"))->objectName, QStringLiteral("OButton_1"));
    auto *button = object<QGraphicsProxyWidget>("OButton_1");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->pos(), QPointF(5, 6));
    EXPECT_TRUE(object<QGraphicsProxyWidget>("Edit_1"));
}

TEST_F(PageFixture, HugeNegativeAndManyElementsLoadWithinLimits) {
    QByteArray objects;
    for (int i = 0; i < 3000; ++i)
        objects += "<Label Text=\"t\" X=\"" + QByteArray::number(i) + "\"/>";
    objects += "<Button src=\"b.png\" Width=\"2000000000\" Height=\"-7\" X=\"-2147483648\"/>"
               "<OButton Width=\"-100\" Height=\"99999999\"/>";
    loader.LoadUI(page(QStringLiteral("a.ui"), "Width=\"-5\" Height=\"99999999\"", objects));
    EXPECT_EQ(object<TmyImage>("IMG_1")->size(), QSizeF(100, 40));
    auto *button = object<QGraphicsProxyWidget>("OButton_1");
    ASSERT_TRUE(button);
    EXPECT_LE(button->size().height(), 16384);
    EXPECT_GE(button->size().width(), 0);
    EXPECT_TRUE(object<TextObject>("TEXT_3000"));
}

} // namespace
