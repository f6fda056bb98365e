#include "runtime/ObjectOperations.h"
#include "runtime/ImageButtons.h"
#include "runtime/ObjectValues.h"
#include "runtime/PageLoader.h"
#include "runtime/PageSurface.h"
#include "runtime/SystemChange.h"
#include "runtime/TextObject.h"
#include "runtime/TmyImage.h"
#include "runtime/TrichRect.h"
#include "runtime/TrichSwitch.h"

#include "TempFolder.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

// One page of every kind that takes a value, shown from a project folder,
// plus a status line text that only the window's own lookup finds.
class ObjectOperationsTest : public ::testing::Test {
protected:
    ObjectOperationsTest() : loader(area), ops(loader.pool(), systemChange, area) {
        scene.addItem(area);
        area->setSize(QSizeF(1280, 720));
        scene.addItem(tips);
        tips->setObjectName(QStringLiteral("SystemLabelTips"));
        const QString root = project.path() + QLatin1Char('/');
        loader.setProjectRoot(root);
        ops.setProjectRoot(root);
        ops.setFallback([this](const QString &name) -> QGraphicsObject * {
            return name == tips->objectName() ? tips : nullptr;
        });
        QDir().mkpath(project.path(QStringLiteral("res")));
        picture(QStringLiteral("b.png"), QSize(100, 40));
        picture(QStringLiteral("track.png"), QSize(300, 20));
        picture(QStringLiteral("other.png"), QSize(30, 30));
        loader.LoadUI(project.write(
            QStringLiteral("a.ui"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting/>"
            "<Button src=\"b.png\" Name=\"Lamp1\"><Label Text=\"cap\" Pos=\"0\"/></Button>"
            "<Button src=\"b.png\" Name=\"Toggle\" type=\"2\" Alpha=\"100\" Alpha2=\"30\"/>"
            "<Button src=\"b.png\" Name=\"Stretched\" Width=\"100\" Height=\"80\" X=\"20\"/>"
            "<Button src=\"b.png\" Name=\"Knob\"><BG src=\"track.png\"/></Button>"
            "<Label Name=\"Title\" Text=\"Hello\" X=\"10\" Y=\"12\"/>"
            "<OButton Name=\"Go\" Text=\"Go\" X=\"500\" Y=\"400\" Width=\"80\" Height=\"30\"/>"
            "<Switch Name=\"Sw\"/><TrackBar Name=\"Track\"/><CheckBox Name=\"Check\"/>"
            "<ProgressBar Name=\"Progress\"/><Edit Name=\"Ed\"/><ListBox Name=\"List\"/>"
            "<SpinBox Name=\"Spin\"/><CalendarEdit Name=\"Date\"/>"
            "<richRect Name=\"Rect\" Text=\"r\" X=\"40\" Y=\"50\" Width=\"60\" Height=\"20\"/>"
            "<richSwitch Name=\"Rs\" Text=\"On|Off\" Width=\"80\" Height=\"30\"/>"
            "</data>"));
    }

    void picture(const QString &name, QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        image.save(project.path(QStringLiteral("res/")) + name);
    }

    template <class T> T *object(const char *name) {
        return qobject_cast<T *>(ops.findObject(QString::fromUtf8(name)));
    }
    template <class W> W *widget(const char *name) {
        return qobject_cast<W *>(object<QGraphicsProxyWidget>(name)->widget());
    }
    int poolIndex(const char *componentName) {
        const auto &all = loader.pool().AllObjects();
        const auto found = std::find(all.begin(), all.end(),
                                     loader.pool().find(QString::fromLatin1(componentName)));
        return found == all.end() ? -1 : int(found - all.begin());
    }
    QRectF bounds(const QString &name) {
        return QRectF(ops.GetObjPositionWH(name, 1), ops.GetObjPositionWH(name, 2),
                      ops.GetObjPositionWH(name, 3), ops.GetObjPositionWH(name, 4));
    }

    TempFolder project;
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    TextObject *tips = new TextObject;
    SystemChange systemChange;
    PageLoader loader;
    ObjectOperations ops;
};

TEST_F(ObjectOperationsTest, NamesResolveByUserNameInAnyCaseOrByExactComponentName) {
    struct Case {
        const char *name;
        const char *component;
    };
    const Case cases[] = {
        {"lamp1", "IMG_1"}, {"LAMP1", "IMG_1"}, {"IMG_2", "IMG_2"},  {"Knob.bg", "IMG_4"},
        {"img_2", nullptr}, {"", nullptr},      {"Nobody", nullptr},
    };
    for (const Case &c : cases) {
        const int expected = c.component ? poolIndex(c.component) : -1;
        EXPECT_EQ(ops.GetNamedObjID(QString::fromLatin1(c.name)), expected) << c.name;
    }
    EXPECT_EQ(ops.GetNamedObjIDByRealName(QStringLiteral("IMG_3")), poolIndex("IMG_3"));
    EXPECT_EQ(ops.GetNamedObjIDByRealName(QStringLiteral("Lamp1")), -1);
    EXPECT_EQ(ops.namedObject(QStringLiteral("SystemLabelTips")), nullptr);
    EXPECT_EQ(ops.findObject(QStringLiteral("SystemLabelTips")), tips);
}

TEST_F(ObjectOperationsTest, AStateReportReachesPicturesTextsAndTheStatusLine) {
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("lamp1"), QStringLiteral("on"), 40, -1));
    EXPECT_EQ(object<TextObject>("TEXT_1")->text(), QStringLiteral("on"));
    EXPECT_DOUBLE_EQ(object<TmyImage>("Lamp1")->opacity(), 0.4);

    auto *toggle = object<TmyImage>("Toggle");
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("IMG_2"), QString(), 100, -1));
    EXPECT_TRUE(toggle->isDown);
    EXPECT_DOUBLE_EQ(toggle->opacity(), 0.3);
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("IMG_2"), QString(), 0, -1));
    EXPECT_TRUE(GetButtonPara(toggle, QStringLiteral("Toggle")).startsWith(u'0'));

    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("SystemLabelTips"), QStringLiteral("busy"), -1, -1));
    EXPECT_EQ(tips->text(), QStringLiteral("busy"));

    EXPECT_FALSE(ops.UpdateUI(QStringLiteral("Nobody"), QStringLiteral("x"), 50, -1));
}

TEST_F(ObjectOperationsTest, ABackgroundPicturePassesTheReportToThePictureItHolds) {
    auto *background = object<TmyImage>("Knob.BG");
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("Knob.BG"), QString(), 25, -1));
    EXPECT_DOUBLE_EQ(object<TmyImage>("Knob")->opacity(), 0.25);
    EXPECT_DOUBLE_EQ(background->opacity(), 1.0);
}

TEST_F(ObjectOperationsTest, ATextTurnsByTenthsOfATurnAndKeepsItsTextWhenGivenNone) {
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("Title"), QString(), 50, 5));
    auto *title = object<TextObject>("Title");
    EXPECT_DOUBLE_EQ(title->rotation(), 180);
    EXPECT_EQ(title->text(), QStringLiteral("Hello"));
    EXPECT_DOUBLE_EQ(title->opacity(), 0.5);
}

TEST_F(ObjectOperationsTest, WithoutAnAlphaOnlyTextsChange) {
    widget<QSlider>("Track")->setValue(30);
    const char *names[] = {"Lamp1", "Toggle", "Title", "Track"};
    for (const char *name : names)
        EXPECT_TRUE(ops.UpdateUI(QString::fromLatin1(name), QStringLiteral("new"), -1, -1));

    EXPECT_EQ(object<TextObject>("TEXT_1")->text(), QStringLiteral("new"));
    EXPECT_EQ(object<TextObject>("Title")->text(), QStringLiteral("new"));
    EXPECT_DOUBLE_EQ(object<TmyImage>("Lamp1")->opacity(), 1.0);
    EXPECT_FALSE(object<TmyImage>("Toggle")->isDown);
    EXPECT_EQ(widget<QSlider>("Track")->value(), 30);
}

TEST_F(ObjectOperationsTest, ARichSwitchTakesNewCaptionsOnlyFromAPair) {
    auto *toggle = object<TrichSwitch>("Rs");
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("Rs"), QStringLiteral("开|关"), 1, -1));
    EXPECT_TRUE(toggle->switch_is_on());
    EXPECT_EQ(toggle->caption(), QStringLiteral("开"));
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("Rs"), QStringLiteral("1"), 0, -1));
    EXPECT_FALSE(toggle->switch_is_on());
    EXPECT_EQ(toggle->caption(), QStringLiteral("关"));
}

TEST_F(ObjectOperationsTest, TheSystemChangeFlagIsRaisedOnlyWhileAReportChangesControls) {
    std::vector<bool> seen;
    QObject::connect(widget<QSlider>("Track"), &QSlider::valueChanged,
                     [&] { seen.push_back(systemChange.isSystemChange()); });
    EXPECT_TRUE(ops.UpdateUI(QStringLiteral("Track"), QString(), 40, -1));
    EXPECT_EQ(seen, std::vector<bool>{true});
    EXPECT_FALSE(systemChange.isSystemChange());
    ops.UpdateUI(QStringLiteral("Nobody"), QString(), 40, -1);
    EXPECT_FALSE(systemChange.isSystemChange());
}

TEST_F(ObjectOperationsTest, ValuesAreSetAndReadByKind) {
    const QString march5 = object_values::dateText(QDate(2024, 3, 5));
    struct Case {
        const char *name;
        QString value;
        int alpha;
        QString expected;
    };
    const Case cases[] = {
        {"Sw", QString(), 1, QStringLiteral("1")},
        {"Sw", QString(), 0, QStringLiteral("0")},
        {"Check", QStringLiteral("x"), 7, QStringLiteral("1")},
        {"Track", QString(), 40, QStringLiteral("40")},
        {"Track", QString(), -1, QStringLiteral("40")},
        {"Ed", QStringLiteral("abc"), 0, QStringLiteral("abc")},
        {"Spin", QStringLiteral("42"), 0, QStringLiteral("42")},
        {"Spin", QStringLiteral("many"), 0, QStringLiteral("0")},
        {"Date", march5, 0, march5},
        {"Rect", QStringLiteral("caption"), 0, QStringLiteral("caption")},
        {"Rect", QString(), 0, QStringLiteral("caption")},
        {"Rs", QStringLiteral("A|B"), 1, QStringLiteral("1")},
        {"Toggle", QStringLiteral("x"), 1, QStringLiteral("0")},
        {"Knob.BG", QStringLiteral("x"), 1, QString()},
        {"Title", QStringLiteral("x"), 1, QString()},
        {"Progress", QString(), 30, QString()},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        ops.SetNamedObjValue(ops.findObject(name), c.value, c.alpha);
        EXPECT_EQ(ops.GetNamedObjValue(name), c.expected) << c.name << " " << c.alpha;
    }
    EXPECT_EQ(widget<QProgressBar>("Progress")->value(), 30);
    EXPECT_DOUBLE_EQ(object<TrichRect>("Rect")->opacity(), 0.0);
    EXPECT_EQ(object<TrichSwitch>("Rs")->caption(), QStringLiteral("A"));
    EXPECT_EQ(ops.GetNamedObjValue(QStringLiteral("SystemLabelTips")), QString());
}

TEST_F(ObjectOperationsTest, AnUnreadableDateBecomesToday) {
    ops.SetNamedObjValue(ops.findObject(QStringLiteral("Date")), QStringLiteral("soon"), 0);
    EXPECT_EQ(ops.GetNamedObjValue(QStringLiteral("Date")),
              object_values::dateText(QDate::currentDate()));
}

TEST_F(ObjectOperationsTest, AListBoxCollectsItemsAndNamesTheSelectedOne) {
    QGraphicsObject *list = ops.findObject(QStringLiteral("List"));
    ops.SetObjectValue(list, QStringLiteral("first"), 0);
    ops.SetObjectValue(list, QStringLiteral("second"), 0);
    EXPECT_EQ(ops.GetObjectValue(list), QString());
    widget<QListWidget>("List")->setCurrentRow(1);
    EXPECT_EQ(ops.GetObjectValue(list), QStringLiteral("TheID:1TheCatpion:second"));
}

TEST_F(ObjectOperationsTest, PositionAndSizeChangeByChangeId) {
    // Every call asks for (50, 60) and 70 x 44 unless a row says otherwise;
    // an empty expectation keeps the original value.
    using Expected = std::optional<double>;
    struct Case {
        int id;
        double w, h;
        Expected x, y, width, height;
    };
    const Case cases[] = {
        {1, 70, 44, 50, {}, {}, {}},  {2, 70, 44, {}, 60, {}, {}}, {3, 70, 44, {}, {}, 70, {}},
        {3, 0, 44, {}, {}, {}, {}},   {4, 70, 44, {}, {}, {}, 44}, {4, 70, -1, {}, {}, {}, {}},
        {5, 70, 44, 50, 60, {}, {}},  {6, 70, 0, {}, {}, 70, {}},  {6, 70, 44, {}, {}, 70, 44},
        {7, 0.5, 44, 50, 60, {}, 44}, {7, 70, 44, 50, 60, 70, 44}, {8, 70, 44, {}, {}, {}, {}},
    };
    for (const QString &name : {QStringLiteral("Go"), QStringLiteral("Rect"),
                                QStringLiteral("Lamp1"), QStringLiteral("Rs")}) {
        const QRectF original = bounds(name);
        for (const Case &c : cases) {
            EXPECT_TRUE(ops.ChangeObjPositionWH(name, 50, 60, c.w, c.h, c.id));
            const QRectF expected(c.x.value_or(original.x()), c.y.value_or(original.y()),
                                  c.width.value_or(original.width()),
                                  c.height.value_or(original.height()));
            EXPECT_EQ(bounds(name), expected) << name.toStdString() << " " << c.id;
            ops.ChangeObjPositionWH(name, original.x(), original.y(), original.width(),
                                    original.height(), 7);
        }
    }
    EXPECT_FALSE(ops.ChangeObjPositionWH(QStringLiteral("Nobody"), 1, 1, 1, 1, 5));
}

TEST_F(ObjectOperationsTest, ObjectsTurnAboutTheirCentreAfterAResize) {
    for (const char *name : {"Go", "Rect", "Lamp1", "Title"}) {
        const QString objname = QString::fromLatin1(name);
        ops.ChangeObjPositionWH(objname, 0, 0, 60, 40, 7);
        EXPECT_TRUE(ops.ChangeObjRotationAngle(objname, 90));
        const QGraphicsObject *object = ops.findObject(objname);
        EXPECT_EQ(object->sceneBoundingRect().center(), QPointF(30, 20)) << name;
    }
    EXPECT_FALSE(ops.ChangeObjRotationAngle(QStringLiteral("Nobody"), 90));
}

TEST_F(ObjectOperationsTest, PositionQueriesReportPictureSizesAndThePageSurface) {
    ops.ChangeObjRotationAngle(QStringLiteral("Stretched"), 30);
    ops.ChangeObjRotationAngle(QStringLiteral("Title"), 30);
    struct Case {
        const char *name;
        int id;
        double expected;
    };
    const Case cases[] = {
        {"Stretched", 1, 20},  {"Stretched", 3, 100}, {"Stretched", 4, 80}, {"Stretched", 7, 30},
        {"Stretched", 8, 100}, {"Stretched", 9, 40},  {"Title", 1, 10},     {"Title", 2, 12},
        {"Title", 7, 0},       {"Title", 9, 0},       {"Go", 5, 1280},      {"Go", 6, 720},
        {"Stretched", 10, 0},  {"Nobody", 5, 0},
    };
    for (const Case &c : cases) {
        EXPECT_DOUBLE_EQ(ops.GetObjPositionWH(QString::fromLatin1(c.name), c.id), c.expected)
            << c.name << " " << c.id;
    }
}

TEST_F(ObjectOperationsTest, AScaledPictureGrowsFromItsCornerAndTurnsAboutItsCentre) {
    auto *lamp = object<TmyImage>("Lamp1");
    ops.ChangeObjPositionWH(QStringLiteral("Lamp1"), 10, 10, 0, 0, 5);
    EXPECT_TRUE(ops.ChangeOBJscal(QStringLiteral("Lamp1"), 2, 2));
    EXPECT_EQ(lamp->sceneBoundingRect(), QRectF(10, 10, 200, 80));
    ops.ChangeObjRotationAngle(QStringLiteral("Lamp1"), 90);
    EXPECT_EQ(lamp->sceneBoundingRect().center(), QPointF(110, 50));
    EXPECT_DOUBLE_EQ(ops.GetObjPositionWH(QStringLiteral("Lamp1"), 3), 100);
    EXPECT_FALSE(ops.ChangeOBJscal(QStringLiteral("Title"), 2, 2)) << "only pictures scale";
}

TEST_F(ObjectOperationsTest, VisibilityIsReadOnlyFromPageObjects) {
    ops.SetObjectvisible(QStringLiteral("lamp1"), false);
    EXPECT_FALSE(object<TmyImage>("Lamp1")->isVisible());
    EXPECT_FALSE(ops.GetObjectvisible(QStringLiteral("Lamp1")));
    ops.SetObjectvisible(QStringLiteral("LAMP1"), true);
    EXPECT_TRUE(ops.GetObjectvisible(QStringLiteral("Lamp1")));

    ops.SetObjectvisible(QStringLiteral("SystemLabelTips"), false);
    EXPECT_FALSE(tips->isVisible());
    ops.SetObjectvisible(QStringLiteral("SystemLabelTips"), true);
    EXPECT_FALSE(ops.GetObjectvisible(QStringLiteral("SystemLabelTips")));
}

TEST_F(ObjectOperationsTest, DrawingOrderIsThePositionAmongTheParentsChildren) {
    const QList<QGraphicsItem *> before = area->childItems();
    const int title = ops.GetObjZIdx(QStringLiteral("Title"));
    ASSERT_GT(title, 1);
    EXPECT_EQ(before.at(title), ops.findObject(QStringLiteral("Title")));

    EXPECT_TRUE(ops.ChangeObjZIdx(QStringLiteral("Title"), 0));
    QList<QGraphicsItem *> expected = before;
    expected.move(title, 0);
    EXPECT_EQ(area->childItems(), expected);
    EXPECT_EQ(ops.GetObjZIdx(QStringLiteral("Title")), 0);

    EXPECT_TRUE(ops.ChangeOBJFront(QStringLiteral("Title"), false));
    EXPECT_EQ(ops.GetObjZIdx(QStringLiteral("Title")), 0);
    EXPECT_TRUE(ops.ChangeOBJFront(QStringLiteral("Title"), true));
    EXPECT_EQ(area->childItems().constLast(), ops.findObject(QStringLiteral("Title")));

    EXPECT_FALSE(ops.ChangeObjZIdx(QStringLiteral("Nobody"), 0));
    EXPECT_EQ(ops.GetObjZIdx(QStringLiteral("Nobody")), 0);
}

TEST_F(ObjectOperationsTest, AnUntouchableControlLetsPressesThroughToThePage) {
    QGraphicsView view(&scene);
    view.setSceneRect(400, 300, 300, 200);
    view.resize(400, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicked(widget<QPushButton>("Go"), &QPushButton::clicked);
    QSignalSpy pressed(area, &WorkAreaItem::pressed);
    const QPoint onButton = view.mapFromScene(QPointF(540, 415));

    EXPECT_TRUE(ops.SetObjectEnabled(QStringLiteral("Go"), false));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(pressed.count(), 1);

    EXPECT_TRUE(ops.SetObjectEnabled(QStringLiteral("Go"), true));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_FALSE(ops.SetObjectEnabled(QStringLiteral("Nobody"), true));
}

TEST_F(ObjectOperationsTest, APictureChangesFromTheProjectAndComesBackFromItsPage) {
    auto *lamp = object<TmyImage>("Lamp1");
    const QString pagePicture = lamp->LastURL;
    EXPECT_TRUE(ops.ImgChangeURL(QStringLiteral("Lamp1"), QStringLiteral("other.png")));
    EXPECT_EQ(lamp->picture().size(), QSize(30, 30));
    EXPECT_EQ(lamp->size(), QSizeF(100, 40));
    EXPECT_EQ(lamp->LastURL, pagePicture);

    EXPECT_FALSE(ops.ImgChangeURL(QStringLiteral("Lamp1"), QStringLiteral("gone.png")));
    EXPECT_EQ(lamp->picture().size(), QSize(30, 30));
    EXPECT_TRUE(ops.ImgChangeURL(QStringLiteral("Lamp1"), QString()));
    EXPECT_EQ(lamp->picture().size(), QSize(100, 40));
    EXPECT_FALSE(ops.ImgChangeURL(QStringLiteral("Title"), QStringLiteral("other.png")));
}

TEST_F(ObjectOperationsTest, APictureLoadsFromAStreamLongEnoughToHoldOne) {
    QImage noise(40, 20, QImage::Format_ARGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, QRandomGenerator::global()->generate());
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "PNG");
    ASSERT_GT(png.size(), 256);

    auto *lamp = object<TmyImage>("Lamp1");
    EXPECT_FALSE(ops.LoadImgFromStream(QStringLiteral("Lamp1"), png.left(200)));
    EXPECT_EQ(lamp->picture().size(), QSize(100, 40));
    EXPECT_TRUE(ops.LoadImgFromStream(QStringLiteral("lamp1"), png));
    EXPECT_EQ(lamp->picture().size(), QSize(40, 20));
    EXPECT_FALSE(ops.LoadImgFromStream(QStringLiteral("Lamp1"), QByteArray(300, 'x')));
    EXPECT_TRUE(lamp->picture().isNull());
}

TEST_F(ObjectOperationsTest, ACutStartsFromTheKeptPictureWhenReloaded) {
    auto *lamp = object<TmyImage>("Lamp1");
    const QImage original = lamp->picture();
    EXPECT_TRUE(ops.CutImgByAngle(QStringLiteral("Lamp1"), 180, false));
    ASSERT_TRUE(lamp->CacheBitmap);
    EXPECT_EQ(*lamp->CacheBitmap, original);
    EXPECT_NE(lamp->picture(), original);
    EXPECT_TRUE(ops.CutImgByAngle(QStringLiteral("Lamp1"), 0, true));
    EXPECT_EQ(lamp->picture(), original);
    EXPECT_FALSE(systemChange.isSystemChange());
    EXPECT_FALSE(ops.CutImgByAngle(QStringLiteral("Title"), 90, false));
}

TEST_F(ObjectOperationsTest, RichRectanglesChangeByName) {
    EXPECT_TRUE(ops.ChangeRichRectByName(QStringLiteral("rect"), 3, 0xFFFF0000, 0, 0, 0));
    EXPECT_EQ(object<TrichRect>("Rect")->look().borderColour, 0xFFFF0000);
    EXPECT_FALSE(ops.ChangeRichRectByName(QStringLiteral("Rs"), 3, 0xFFFF0000, 0, 0, 0));
}

} // namespace
