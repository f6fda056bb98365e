#include "draw/RichPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace draw;

namespace {

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb clear = 0x00000000;

// Room around the object so that pixels outside it can be looked at.
constexpr int pad = 20;

RichRectLook squareLook() {
    RichRectLook look;
    look.size = QSizeF(40, 40);
    look.fillColour = blue;
    return look;
}

// The object's pixel (x, y); the object sits at (pad, pad) in the canvas.
struct Canvas {
    QImage image{40 + 2 * pad, 40 + 2 * pad, QImage::Format_ARGB32};
    Canvas() { image.fill(Qt::transparent); }
    QRgb at(int x, int y) const { return image.pixel(x + pad, y + pad); }
    void draw(const std::function<void(QPainter &)> &paint) {
        QPainter painter(&image);
        painter.translate(pad, pad);
        paint(painter);
    }
};

bool near(QRgb actual, QRgb expected) {
    const auto close = [](int a, int b) { return std::abs(a - b) <= 12; };
    return close(qAlpha(actual), qAlpha(expected)) && close(qRed(actual), qRed(expected)) &&
           close(qGreen(actual), qGreen(expected)) && close(qBlue(actual), qBlue(expected));
}

::testing::AssertionResult pixelIs(const Canvas &canvas, int x, int y, QRgb expected) {
    const QRgb actual = canvas.at(x, y);
    if (near(actual, expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                         << actual << ", expected " << expected;
}

} // namespace

TEST(RichPainterTest, SolidFillIsOneColourAndGradientRunsTopToBottom) {
    const struct {
        const char *what;
        std::optional<QRgb> gradientEnd;
        QRgb top;
        QRgb bottom;
    } cases[] = {
        {"solid", std::nullopt, blue, blue},
        {"gradient", red, blue, red},
    };
    for (const auto &c : cases) {
        RichRectLook look = squareLook();
        look.gradientEnd = c.gradientEnd;
        Canvas canvas;
        canvas.draw([&](QPainter &p) { paintRichRect(p, look); });
        EXPECT_TRUE(pixelIs(canvas, 20, 0, c.top)) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 20, 39, c.bottom)) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 20, -1, clear)) << c.what;
    }
}

TEST(RichPainterTest, BorderIsDrawnOnlyAlongTheChosenSides) {
    const struct {
        const char *what;
        unsigned sides;
    } cases[] = {
        {"all", AllSides},
        {"bottom", SideBottom},
        {"right", SideRight},
        {"top and bottom", SideTop | SideBottom},
        {"left and right", SideLeft | SideRight},
        {"top and right", SideTop | SideRight},
    };
    for (const auto &c : cases) {
        RichRectLook look = squareLook();
        look.fillColour = clear;
        look.borderColour = red;
        look.borderWidth = 4;
        look.sides = c.sides;
        Canvas canvas;
        canvas.draw([&](QPainter &p) { paintRichRect(p, look); });
        const auto expected = [&](unsigned side) { return (c.sides & side) ? red : clear; };
        EXPECT_TRUE(pixelIs(canvas, 20, 1, expected(SideTop))) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 20, 38, expected(SideBottom))) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 1, 20, expected(SideLeft))) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 38, 20, expected(SideRight))) << c.what;
        EXPECT_TRUE(pixelIs(canvas, 20, 20, clear)) << c.what;
    }
}

TEST(RichPainterTest, GlowShowsAroundTheRectangleOnlyWhenOn) {
    for (const bool on : {true, false}) {
        RichRectLook look = squareLook();
        look.glowColour = green;
        look.glowWidth = 10;
        look.glowSoftness = 1;
        look.glowOn = on;
        GlowCache glow;
        Canvas canvas;
        canvas.draw([&](QPainter &p) {
            glow.paint(p, look);
            paintRichRect(p, look);
        });
        const QRgb beside = canvas.at(20, -2);
        if (on) {
            EXPECT_GT(qAlpha(beside), 100);
            EXPECT_GT(qGreen(beside), 200);
            EXPECT_EQ(qRed(beside), 0);
        } else {
            EXPECT_EQ(qAlpha(beside), 0);
        }
        EXPECT_TRUE(pixelIs(canvas, 20, -(pad - 1), clear)) << "beyond the glow width, on=" << on;
        EXPECT_TRUE(pixelIs(canvas, 20, 20, blue)) << "the rectangle covers its glow, on=" << on;
    }
}

TEST(RichPainterTest, GlowMarginCoversTheGlowWidth) {
    RichRectLook look = squareLook();
    EXPECT_EQ(glowMargin(look), 0);
    look.glowWidth = 7.5;
    EXPECT_GE(glowMargin(look), 7.5);
    const QImage halo = GlowCache().image(look);
    EXPECT_EQ(halo.size(), QSize(40 + 2 * int(glowMargin(look)), 40 + 2 * int(glowMargin(look))));
}

TEST(RichPainterTest, GlowImageIsReusedUntilItsShapeChanges) {
    const struct {
        const char *what;
        std::function<void(RichRectLook &)> change;
        bool reused;
    } cases[] = {
        {"nothing", [](RichRectLook &) {}, true},
        {"caption", [](RichRectLook &l) { l.caption.text = QStringLiteral("Go"); }, true},
        {"fill", [](RichRectLook &l) { l.gradientEnd = red; }, true},
        {"border", [](RichRectLook &l) { l.borderWidth = 3; }, true},
        {"glow switched off", [](RichRectLook &l) { l.glowOn = false; }, true},
        {"glow colour", [](RichRectLook &l) { l.glowColour = red; }, false},
        {"glow width", [](RichRectLook &l) { l.glowWidth = 12; }, false},
        {"softness", [](RichRectLook &l) { l.glowSoftness = 2; }, false},
        {"size", [](RichRectLook &l) { l.size = QSizeF(50, 40); }, false},
        {"radius", [](RichRectLook &l) { l.radius = 8; }, false},
    };
    for (const auto &c : cases) {
        RichRectLook look = squareLook();
        look.glowColour = green;
        look.glowWidth = 10;
        look.glowSoftness = 1;
        look.glowOn = true;
        GlowCache glow;
        const qint64 first = glow.image(look).cacheKey();
        c.change(look);
        EXPECT_EQ(glow.image(look).cacheKey() == first, c.reused) << c.what;
    }
}

TEST(RichPainterTest, SwitchPaintsBodyAndKnob) {
    RichSwitchLook look;
    look.size = QSizeF(40, 20);
    look.bodyColour = blue;
    look.knob = QRectF(4, 2, 20, 16);
    look.knobColour = red;
    Canvas canvas;
    canvas.draw([&](QPainter &p) { paintRichSwitch(p, look); });
    EXPECT_TRUE(pixelIs(canvas, 14, 10, red));
    EXPECT_TRUE(pixelIs(canvas, 32, 10, blue));
    EXPECT_TRUE(pixelIs(canvas, 14, 0, blue));
}
