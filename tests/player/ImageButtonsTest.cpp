#include "runtime/ImageButtons.h"
#include "runtime/TmyImage.h"

#include <gtest/gtest.h>

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QLocale>
#include <QtMath>

#include <cmath>
#include <functional>

namespace {

enum Kind { PushButton = 1, TwoState = 2, Knob = 3, Slider = 4, Level = 6 };

std::string str(const QString &text) {
    return text.toStdString();
}

QImage opaquePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    return picture;
}

bool isCleared(const QImage &picture, int x, int y) {
    return qAlpha(picture.pixel(x, y)) == 0;
}

// Every pixel is cleared exactly when it lies in `cleared`.
void expectClearedExactly(const QImage &picture, const QRect &cleared) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(isCleared(picture, x, y), cleared.contains(x, y)) << x << "," << y;
    }
}

class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

class ImageButtonsTest : public ::testing::Test {
protected:
    ImageButtonsTest() { scene.addItem(workArea); }

    TmyImage *image(QGraphicsItem *parent, QSizeF size, int kind = 0) {
        auto *img = new TmyImage(parent);
        img->setSize(size);
        img->ButtonType = kind;
        img->isButton = kind > 0;
        img->Alpha1 = 100;
        img->Alpha2 = 40;
        img->setOpacity(img->Alpha1 / 100);
        return img;
    }

    // Presses an object and drags to `to`, given in its parent's coordinates,
    // handing the buttons the object's own coordinates as the page does.
    int dragTo(TmyImage *img, const QPointF &to) {
        return buttons.DemoButtonMove(img, img->mapFromParent(to).x(), img->mapFromParent(to).y());
    }

    void press(TmyImage *img, const QPointF &at) {
        state.currentIMG = img;
        buttons.DemoButtonDown(img, at.x(), at.y());
    }

    QGraphicsScene scene;
    QGraphicsRectItem *workArea = new QGraphicsRectItem(0, 0, 800, 600);
    TouchState state;
    ImageButtons buttons{state};
};

} // namespace

TEST_F(ImageButtonsTest, ButtonParametersByKindWithAPointWhateverTheLocale) {
    TmyImage *flatTrack = image(workArea, {300, 20});
    TmyImage *uprightTrack = image(workArea, {20, 300});

    TmyImage *off = image(workArea, {10, 10}, TwoState);
    TmyImage *on = image(workArea, {10, 10}, TwoState);
    on->isDown = true;
    TmyImage *knob = image(workArea, {50, 50}, Knob);
    knob->setPos(100.25, 7);
    knob->setRotation(123.456);
    knob->Percent = 41;
    TmyImage *vol = image(flatTrack, {20, 20}, Slider);
    vol->setPos(12, 40.5);
    vol->Percent = 35;
    TmyImage *upright = image(uprightTrack, {20, 20}, Slider);
    upright->setPos(0, 99.125);
    upright->Percent = 64;
    TmyImage *levelOnTrack = image(flatTrack, {300, 20}, Level);
    levelOnTrack->Percent = 7;
    TmyImage *level = image(workArea, {300, 20}, Level);
    level->setPos(1, 2);
    level->Percent = 90;
    TmyImage *push = image(workArea, {10, 10}, PushButton);
    TmyImage *plain = image(workArea, {10, 10});

    const struct {
        TmyImage *img;
        const char *name;
        const char *expected;
    } cases[] = {
        {off, "Fan", "0&bt=2&name=Fan"},
        {on, "Fan", "1&bt=2&name=Fan"},
        {knob, "Dial", "41&x=100.2500&y=7.0000&ag=123.46&bt=3&name=Dial"},
        {vol, "Vol", "35&x=12.0000&y=40.5000&ag=0.00&bt=4&ori=1&name=Vol"},
        {upright, "", "64&x=0.0000&y=99.1250&ag=0.00&bt=4&ori=0&name="},
        {levelOnTrack, "Lv", "7&x=0.0000&y=0.0000&ag=0.00&bt=6&ori=1&name=Lv"},
        {level, "Lv", "90&x=1.0000&y=2.0000&ag=0.00&bt=6&ori=0&name=Lv"},
        {push, "P", ""},
        {plain, "P", ""},
    };
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German)}) {
        LocaleScope scope(locale);
        for (const auto &c : cases) {
            EXPECT_EQ(str(GetButtonPara(c.img, QString::fromUtf8(c.name))), c.expected)
                << str(locale.name());
        }
    }
}

TEST_F(ImageButtonsTest, MoveParametersCarryTheNewValueAndEndTheLine) {
    TmyImage *flatTrack = image(workArea, {300, 20});
    TmyImage *vol = image(flatTrack, {20, 20}, Slider);
    vol->setPos(140, 0);
    TmyImage *knob = image(workArea, {50, 50}, Knob);
    knob->setRotation(90);
    TmyImage *level = image(flatTrack, {300, 20}, Level);

    const struct {
        TmyImage *img;
        int value;
        const char *expected;
    } cases[] = {
        {vol, 50, "50&x=140.0000&y=0.0000&ag=0.00&bt=4&ori=1&name=N\r"},
        {knob, 30, "30&x=0.0000&y=0.0000&ag=90.00&bt=3&ori=0&name=N\r"},
        {level, 12, "12&x=0.0000&y=0.0000&ag=0.00&bt=6&ori=0&name=N\r"},
    };
    LocaleScope german{QLocale(QLocale::German)};
    for (const auto &c : cases)
        EXPECT_EQ(str(GetMovePara(c.img, c.value, QStringLiteral("N"))), c.expected);
}

TEST_F(ImageButtonsTest, PushButtonDimsWhilePressed) {
    TmyImage *push = image(workArea, {10, 10}, PushButton);
    buttons.DemoButtonDown(push, 1, 1);
    EXPECT_DOUBLE_EQ(push->opacity(), 0.4);
    buttons.DemoButtonUP(push, 1, 1);
    EXPECT_DOUBLE_EQ(push->opacity(), 1.0);
}

TEST_F(ImageButtonsTest, TwoStateWithoutGroupFlipsOnEachRelease) {
    TmyImage *fan = image(workArea, {10, 10}, TwoState);
    for (const bool expectedOn : {true, false, true}) {
        buttons.DemoButtonDown(fan, 1, 1);
        buttons.DemoButtonUP(fan, 1, 1);
        EXPECT_EQ(fan->isDown, expectedOn);
        EXPECT_DOUBLE_EQ(fan->opacity(), expectedOn ? 0.4 : 1.0);
    }
}

TEST_F(ImageButtonsTest, GroupedTwoStateTurnsTheOthersOfItsGroupOff) {
    auto member = [&](QGraphicsItem *parent, const char *group) {
        TmyImage *img = image(parent, {10, 10}, TwoState);
        img->GroupTag = QString::fromUtf8(group);
        img->isDown = true;
        img->setOpacity(img->Alpha2 / 100);
        return img;
    };
    TmyImage *pressed = member(workArea, "g");
    TmyImage *sibling = member(workArea, "g");
    TmyImage *otherGroup = member(workArea, "h");
    TmyImage *background = image(workArea, {100, 100});
    TmyImage *onBackground = member(background, "g");
    pressed->isDown = false;
    pressed->setOpacity(1);

    for (int press = 0; press < 2; ++press) {
        buttons.DemoButtonUP(pressed, 1, 1);
        EXPECT_TRUE(pressed->isDown);
        EXPECT_DOUBLE_EQ(pressed->opacity(), 0.4);
        for (TmyImage *off : {sibling, onBackground}) {
            EXPECT_FALSE(off->isDown);
            EXPECT_DOUBLE_EQ(off->opacity(), 1.0);
        }
        EXPECT_TRUE(otherGroup->isDown);
    }
}

TEST_F(ImageButtonsTest, KnobTurnsWithTheGrabAndStopsAtItsEnds) {
    TmyImage *knob = image(workArea, {100, 100}, Knob);
    knob->MaxAngel = 300;
    // Where the finger is on screen, clockwise from straight down, handed on
    // in the knob's own turned coordinates as the scene does.
    auto at = [knob](double screenDegrees) {
        const double a = qDegreesToRadians(screenDegrees - knob->rotation());
        return QPointF(50 - 40 * std::sin(a), 50 + 40 * std::cos(a));
    };
    auto move = [&](double degrees) {
        const QPointF point = at(degrees);
        return buttons.DemoButtonMove(knob, point.x(), point.y());
    };

    press(knob, at(0));
    EXPECT_DOUBLE_EQ(knob->opacity(), 0.4);
    EXPECT_EQ(move(120), 40);
    EXPECT_NEAR(knob->rotation(), 120, 1e-9);
    EXPECT_EQ(move(270), 90);
    EXPECT_NEAR(knob->rotation(), 270, 1e-9);

    // Past the end: the knob stays and the grab is taken from here.
    EXPECT_EQ(move(320), 90);
    EXPECT_NEAR(knob->rotation(), 270, 1e-9);
    EXPECT_EQ(move(290), 80);
    EXPECT_NEAR(knob->rotation(), 240, 1e-9);

    // Below zero it stays as well.
    EXPECT_EQ(move(40), 80);
    EXPECT_NEAR(knob->rotation(), 240, 1e-9);

    buttons.DemoButtonUP(knob, 0, 0);
    EXPECT_FALSE(state.RotState);
    EXPECT_DOUBLE_EQ(knob->opacity(), 1.0);
    EXPECT_EQ(move(0), 0);
}

TEST_F(ImageButtonsTest, RichKnobCutsItsBackgroundFromTheUntouchedPicture) {
    TmyImage *background = image(workArea, {40, 40});
    background->setPicture(opaquePicture(40, 40));
    TmyImage *knob = image(background, {40, 40}, Knob);
    knob->isRichEff = true;
    knob->MaxAngel = 360;

    ChangeCircleButtonValue(knob, 50, QString());
    EXPECT_DOUBLE_EQ(knob->rotation(), 180);
    expectClearedExactly(background->picture(), QRect(0, 0, 20, 40));

    ChangeCircleButtonValue(knob, 25, QString());
    expectClearedExactly(background->picture(), QRect(0, 20, 20, 20));

    ChangeCircleButtonValue(knob, 0, QString());
    expectClearedExactly(background->picture(), QRect());
}

TEST_F(ImageButtonsTest, SliderDragFollowsTheTrackWithinItsLength) {
    const struct {
        const char *what;
        QSizeF track;
        QPointF to;
        int value;
        QPointF thumbAt;
    } cases[] = {
        {"flat, to the middle", {300, 20}, {150, 10}, 50, {140, 0}},
        {"flat, past the end", {300, 20}, {700, 10}, 100, {280, 0}},
        {"flat, before the start", {300, 20}, {-50, 10}, 0, {0, 0}},
        {"upright, a quarter down", {20, 300}, {10, 80}, 75, {0, 70}},
        {"upright, past the top", {20, 300}, {10, -30}, 100, {0, 0}},
        {"upright, past the bottom", {20, 300}, {10, 900}, 0, {0, 280}},
    };
    for (const auto &c : cases) {
        TmyImage *track = image(workArea, c.track);
        TmyImage *thumb = image(track, {20, 20}, Slider);
        press(thumb, {10, 10});
        EXPECT_EQ(dragTo(thumb, c.to), c.value) << c.what;
        EXPECT_EQ(thumb->Percent, c.value) << c.what;
        EXPECT_EQ(thumb->pos(), c.thumbAt) << c.what;
        buttons.DemoButtonUP(thumb, 0, 0);
        EXPECT_EQ(dragTo(thumb, {0, 0}), 0) << c.what;
        EXPECT_EQ(thumb->pos(), c.thumbAt) << c.what;
    }
}

TEST_F(ImageButtonsTest, RichSliderShowsItsLevelOnTheTrack) {
    TmyImage *track = image(workArea, {300, 20});
    track->setPicture(opaquePicture(30, 2));
    TmyImage *thumb = image(track, {20, 20}, Slider);
    thumb->isRichEff = true;
    press(thumb, {10, 10});
    dragTo(thumb, {150, 10});
    expectClearedExactly(track->picture(), QRect(15, 0, 15, 2));
}

TEST_F(ImageButtonsTest, SliderSetByValue) {
    const struct {
        const char *what;
        QSizeF track;
        int percent;
        const char *txt;
        QPointF thumbAt;
    } cases[] = {
        {"upright 80", {20, 300}, 80, "", {0, 240}},
        {"upright 100 stays on the track", {20, 300}, 100, "", {0, 280}},
        {"flat 50", {300, 20}, 50, "", {150, 0}},
        {"flat 100 stays on the track", {300, 20}, 100, "", {280, 0}},
        {"the text places it", {300, 20}, 50, "33", {33, 0}},
    };
    for (const auto &c : cases) {
        TmyImage *track = image(workArea, c.track);
        TmyImage *thumb = image(track, {20, 20}, Slider);
        SetButtonStatus(thumb, QString::fromUtf8(c.txt), c.percent);
        EXPECT_EQ(thumb->pos(), c.thumbAt) << c.what;
        EXPECT_EQ(thumb->Percent, c.percent) << c.what;
    }
}

TEST_F(ImageButtonsTest, LevelDisplayClearsPastThePointer) {
    // Flat: 100 x 20 design pixels showing a 50 x 10 picture.
    TmyImage *flat = image(workArea, {100, 20}, Level);
    flat->setPicture(opaquePicture(50, 10));
    press(flat, {10, 10});
    EXPECT_EQ(buttons.DemoButtonMove(flat, 50, 10), 50);
    expectClearedExactly(flat->picture(), QRect(25, 0, 25, 10));
    EXPECT_EQ(flat->Percent, 50);
    EXPECT_EQ(buttons.DemoButtonMove(flat, 80, 10), 80);
    expectClearedExactly(flat->picture(), QRect(40, 0, 10, 10));
    buttons.DemoButtonUP(flat, 80, 10);
    EXPECT_EQ(buttons.DemoButtonMove(flat, 10, 10), 0);

    // Upright: filled from the bottom, so the top is cleared and the value inverted.
    TmyImage *upright = image(workArea, {20, 100}, Level);
    upright->setPicture(opaquePicture(10, 50));
    press(upright, {10, 90});
    EXPECT_EQ(buttons.DemoButtonMove(upright, 10, 25), 75);
    expectClearedExactly(upright->picture(), QRect(0, 0, 10, 12));
    EXPECT_EQ(upright->Percent, 25);
    buttons.DemoButtonUP(upright, 10, 50);
    expectClearedExactly(upright->picture(), QRect(0, 0, 10, 25));
}

TEST_F(ImageButtonsTest, ValuesSetFromOutsideByKind) {
    const struct {
        const char *what;
        int kind;
        const char *txt;
        int percent;
        std::function<void(const TmyImage &)> expect;
    } cases[] = {
        {"two-state off", TwoState, "", 0,
         [](const TmyImage &img) {
             EXPECT_FALSE(img.isDown);
             EXPECT_DOUBLE_EQ(img.opacity(), 1.0);
         }},
        {"two-state on", TwoState, "", 1,
         [](const TmyImage &img) {
             EXPECT_TRUE(img.isDown);
             EXPECT_DOUBLE_EQ(img.opacity(), 0.4);
         }},
        {"knob by value", Knob, "", 50,
         [](const TmyImage &img) {
             EXPECT_DOUBLE_EQ(img.rotation(), 150);
             EXPECT_EQ(img.Percent, 50);
         }},
        {"knob by angle", Knob, "90", 50,
         [](const TmyImage &img) {
             EXPECT_DOUBLE_EQ(img.rotation(), 90);
             EXPECT_EQ(img.Percent, 50);
         }},
        {"knob, negative angle", Knob, "-3", 10,
         [](const TmyImage &img) { EXPECT_DOUBLE_EQ(img.rotation(), 30); }},
        {"level", Level, "", 40,
         [](const TmyImage &img) {
             EXPECT_EQ(img.Percent, 40);
             expectClearedExactly(img.picture(), QRect(40, 0, 60, 10));
         }},
        {"level out of range", Level, "", 120,
         [](const TmyImage &img) {
             EXPECT_EQ(img.Percent, 0);
             expectClearedExactly(img.picture(), QRect());
         }},
        {"push button", PushButton, "", 1,
         [](const TmyImage &img) { EXPECT_DOUBLE_EQ(img.opacity(), 1.0); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TmyImage *img = image(workArea, {100, 10}, c.kind);
        img->MaxAngel = 300;
        img->setPicture(opaquePicture(100, 10));
        SetButtonStatus(img, QString::fromUtf8(c.txt), c.percent);
        c.expect(*img);
    }
}
