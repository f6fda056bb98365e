#include "runtime/PageRuntime.h"
#include "runtime/PageSurface.h"
#include "runtime/TmyImage.h"
#include "runtime/TrichSwitch.h"
#include "script/KeyValueStore.h"

#include "TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A real view showing a 1280 x 720 page at scale 1, driven with mouse events,
// recording everything the dispatcher hands on.
class TouchFixture : public ::testing::Test {
protected:
    TouchFixture() : runtime(surface.MainWorkArea(), store) {
        QDir().mkpath(project.path(QStringLiteral("res")));
        QImage picture(100, 40, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        picture.save(project.path(QStringLiteral("res/b.png")));
        QImage track(300, 20, QImage::Format_ARGB32);
        track.fill(Qt::gray);
        track.save(project.path(QStringLiteral("res/track.png")));
        QImage knob(100, 100, QImage::Format_ARGB32);
        knob.fill(Qt::white);
        knob.save(project.path(QStringLiteral("res/knob.png")));

        runtime.setProjectRoot(project.path() + QLatin1Char('/'));
        QObject::connect(&runtime.pages().builder(), &PageBuilder::fitRequested,
                         [this](const page::PageSettings &settings, const QString &background) {
                             surface.fitPage(settings, background, true);
                         });
        ActionDispatcher &dispatcher = runtime.dispatcher();
        QObject::connect(&dispatcher, &ActionDispatcher::SendTCP,
                         [this](const QString &m) { seen << QStringLiteral("tcp: ") + m; });
        QObject::connect(&dispatcher, &ActionDispatcher::LoadUI, [this](const QString &path) {
            seen << QStringLiteral("page: ") + QFileInfo(path).fileName();
        });
        QObject::connect(&dispatcher, &ActionDispatcher::RunScriptbyNewThread,
                         [this](const QString &code, const QString &para) {
                             seen << QStringLiteral("script: ") + code + QStringLiteral(" | ") +
                                         para;
                         });
        surface.setAttribute(Qt::WA_DontShowOnScreen);
        surface.resize(1280, 720);
        surface.show();
        QApplication::processEvents();
    }

    void load(const QByteArray &objects, const QByteArray &settings = "tag=\"4\"") {
        const QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting "
                               "Width=\"1280\" Height=\"720\" Stretch=\"False\" " +
                               settings + "/>" + objects + "</data>";
        runtime.pages().LoadUI(project.write(QStringLiteral("p.ui"), xml));
        project.write(QStringLiteral("page2.ui"), xml);
        QApplication::processEvents();
    }

    QWidget *viewport() { return surface.viewport(); }
    void press(QPoint at) { QTest::mousePress(viewport(), Qt::LeftButton, {}, at); }
    void move(QPoint to) { QTest::mouseMove(viewport(), to); }
    void release(QPoint at) { QTest::mouseRelease(viewport(), Qt::LeftButton, {}, at); }
    void click(QPoint at) {
        press(at);
        release(at);
    }
    template <class T> T *object(const char *name) {
        return qobject_cast<T *>(runtime.pages().pool().find(QString::fromLatin1(name)));
    }

    TempFolder project;
    KeyValueStore store;
    PageSurface surface;
    PageRuntime runtime;
    QStringList seen;
};

TEST_F(TouchFixture, APushButtonLooksPressedAndSendsItsTaskOnRelease) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" Alpha2=\"40\" Task=\"lamp.tsk\"/>");
    press(QPoint(150, 120));
    EXPECT_DOUBLE_EQ(object<TmyImage>("IMG_1")->opacity(), 0.4);
    EXPECT_TRUE(seen.isEmpty());
    release(QPoint(150, 120));
    EXPECT_DOUBLE_EQ(object<TmyImage>("IMG_1")->opacity(), 1.0);
    EXPECT_EQ(seen, QStringList{QStringLiteral("tcp: lamp.tsk?val=")});
}

TEST_F(TouchFixture, ATwoStateButtonSendsItsOnAndOffTasksAndRemembersItsState) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" type=\"2\" Name=\"Fan\" Task=\"fan.tsk\" "
         "onDown=\"fan.tsk?s=[Val]\"/>"
         "<Button src=\"b.png\" X=\"300\" Y=\"100\" type=\"2\" Task=\"quiet.tsk\"/>");
    click(QPoint(150, 120));
    click(QPoint(150, 120));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("tcp: fan.tsk?s=1&bt=2&name=Fan"),
                                 QStringLiteral("tcp: fan.tsk?val=0&bt=2&name=Fan")}));
    EXPECT_EQ(store.value(QStringLiteral("41")), QStringLiteral("0"));

    seen.clear();
    click(QPoint(350, 120));
    EXPECT_TRUE(seen.isEmpty()) << "turning on with no onDown sends nothing";
    EXPECT_EQ(store.value(QStringLiteral("42")), QStringLiteral("1"));

    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" type=\"2\"/>"
         "<Button src=\"b.png\" X=\"300\" Y=\"100\" type=\"2\" Alpha=\"100\" Alpha2=\"30\"/>");
    EXPECT_TRUE(object<TmyImage>("IMG_2")->isDown) << "the state comes back with the page";
}

TEST_F(TouchFixture, LocalCodeRunsOnlyFromItsMinimumLength) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" Task=\"a.tsk\" LocTask=\"_ENG=1;\"/>"
         "<Button src=\"b.png\" X=\"300\" Y=\"100\" Task=\"b.tsk\" LocTask=\"_ENG=1;x=1\"/>");
    click(QPoint(150, 120));
    click(QPoint(350, 120));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("tcp: a.tsk?val="),
                                 QStringLiteral("script: _ENG=1;x=1 | b.tsk"),
                                 QStringLiteral("tcp: b.tsk?val=")}));
}

TEST_F(TouchFixture, ThePageSwitchOfAMultiActionComesAfterItsTask) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" Task=\"x.tsk\" isMutiTask=\"true\" "
         "NextUI=\"page2.ui\"/>");
    click(QPoint(150, 120));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("tcp: x.tsk?val="), QStringLiteral("page: page2.ui")}));
    EXPECT_TRUE(runtime.pages().CurrentUIPage().endsWith(QLatin1String("page2.ui")));
}

TEST_F(TouchFixture, OneMemberOfAGroupIsOnAtATime) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" type=\"2\" Tag=\"g\" Alpha=\"100\" "
         "Alpha2=\"50\"/>"
         "<Button src=\"b.png\" X=\"300\" Y=\"100\" type=\"2\" Tag=\"g\" Alpha=\"100\" "
         "Alpha2=\"50\"/>");
    click(QPoint(150, 120));
    click(QPoint(350, 120));
    EXPECT_FALSE(object<TmyImage>("IMG_1")->isDown);
    EXPECT_TRUE(object<TmyImage>("IMG_2")->isDown);
    click(QPoint(350, 120));
    EXPECT_TRUE(object<TmyImage>("IMG_2")->isDown) << "pressing the on member keeps it on";
}

TEST_F(TouchFixture, SlidingOffAButtonCancelsItsRelease) {
    load("<Button src=\"b.png\" X=\"100\" Y=\"100\" Task=\"lamp.tsk\"/>");
    press(QPoint(150, 120));
    move(QPoint(400, 400));
    EXPECT_DOUBLE_EQ(object<TmyImage>("IMG_1")->opacity(), 1.0);
    release(QPoint(400, 400));
    EXPECT_TRUE(seen.isEmpty());
}

TEST_F(TouchFixture, DraggingASliderReportsItsValueAndReleaseSendsTheTask) {
    load("<Button src=\"b.png\" type=\"4\" Name=\"Vol\" Task=\"vol.tsk\" onChange=\"vol.tsk\" "
         "Width=\"20\" Height=\"20\"><BG src=\"track.png\" X=\"100\" Y=\"300\"/></Button>");
    press(QPoint(110, 310));
    move(QPoint(150, 310));
    move(QPoint(150, 310));
    release(QPoint(150, 310));
    TmyImage *thumb = object<TmyImage>("IMG_2");
    ASSERT_TRUE(thumb);
    EXPECT_EQ(thumb->pos().x(), 40);
    ASSERT_EQ(seen.size(), 2) << ::testing::PrintToString(seen);
    EXPECT_EQ(
        seen.at(0),
        QStringLiteral("tcp: \rvol.tsk?val=14&x=40.0000&y=0.0000&ag=0.00&bt=4&ori=1&name=Vol\r"));
    EXPECT_EQ(seen.at(1),
              QStringLiteral("tcp: vol.tsk?val=14&x=40.0000&y=0.0000&ag=0.00&bt=4&ori=1&name=Vol"));
}

TEST_F(TouchFixture, DrawnButtonsAndSwitchesActOnRelease) {
    load("<richRect X=\"100\" Y=\"100\" Width=\"100\" Height=\"50\" type=\"1\" Task=\"r.tsk\"/>"
         "<richSwitch X=\"300\" Y=\"100\" Width=\"100\" Height=\"40\" Name=\"Pump\" "
         "Task=\"pump_off.tsk\" onDown=\"pump_on.tsk\"/>");
    click(QPoint(150, 120));
    click(QPoint(350, 120));
    click(QPoint(350, 120));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("tcp: r.tsk?val=RichRect1"),
                                 QStringLiteral("tcp: pump_on.tsk?val=1&bt=0&name=Pump"),
                                 QStringLiteral("tcp: pump_off.tsk?val=0&bt=0&name=Pump")}));
    EXPECT_EQ(store.value(QStringLiteral("42")), QStringLiteral("0"));
}

TEST_F(TouchFixture, StandardControlsSendTheirValueUnlessTheProgramChangesThem) {
    load("<CheckBox X=\"100\" Y=\"100\" Width=\"100\" Height=\"30\" Name=\"Auto\" "
         "Task=\"auto.tsk?on=[Val]&amp;by=@SenderName\"/>");
    auto *proxy = object<QGraphicsProxyWidget>("CheckBox_1");
    ASSERT_TRUE(proxy);
    runtime.operations().UpdateUI(QStringLiteral("Auto"), QString(), 1, -1);
    EXPECT_TRUE(seen.isEmpty());
    click(QPoint(110, 115));
    EXPECT_EQ(seen, QStringList{QStringLiteral("tcp: auto.tsk?on=0&by=CheckBox_1")});
}

TEST_F(TouchFixture, TouchingThePageBackgroundRunsItsStyleCode) {
    load("", "FlashStyle=\"flash(1)\"");
    click(QPoint(640, 360));
    EXPECT_EQ(seen, QStringList{QStringLiteral(
                        "script: _ENG=2; require(\"style\"); mouse_x=640; mouse_y=360;flash(1) | "
                        "IMG_BGBG")});
}

} // namespace

namespace {

TEST_F(TouchFixture, AKnobFollowsTheFingerAroundItsCentreAndStopsAtItsEnds) {
    load("<Button src=\"knob.png\" X=\"500\" Y=\"200\" type=\"3\" MaxAngel=\"300\" Name=\"Vol\" "
         "Task=\"vol.tsk\"/>");
    TmyImage *knob = object<TmyImage>("IMG_1");
    const QPointF centre(550, 250);
    // Clockwise on screen from straight down.
    auto at = [&centre](double degrees) {
        const double a = degrees * M_PI / 180;
        return (centre + QPointF(-40 * std::sin(a), 40 * std::cos(a))).toPoint();
    };
    auto turn = [&](int from, int to) {
        press(at(from));
        for (int d = from; d != to;) {
            d += from < to ? 1 : -1;
            move(at(d));
        }
        release(at(to));
    };
    turn(0, 90);
    EXPECT_NEAR(knob->rotation(), 90, 1.5);
    EXPECT_EQ(knob->Percent, 30);
    turn(90, 60);
    EXPECT_NEAR(knob->rotation(), 60, 1.5);
    turn(60, 340);
    EXPECT_NEAR(knob->rotation(), 300, 1.5) << "stops at the end";
    turn(340, 300);
    EXPECT_NEAR(knob->rotation(), 260, 1.5) << "and turns back from where the finger is";
    EXPECT_EQ(seen.last(), QStringLiteral("tcp: vol.tsk?val=87&x=500.0000&y=200.0000&ag=") +
                               QString::asprintf("%0.2f", knob->rotation()) +
                               QStringLiteral("&bt=3&name=Vol"));
}

} // namespace
