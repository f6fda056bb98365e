#include "runtime/ImageFunctions.h"

#include <gtest/gtest.h>

#include <QtMath>

#include <cmath>

using Image_functions::ClearPolyByAngle;
using Image_functions::IsPtInPoly;

namespace {

constexpr int side = 40;

QImage opaquePicture() {
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    return picture;
}

bool isCleared(const QImage &picture, int x, int y) {
    return qAlpha(picture.pixel(x, y)) == 0;
}

// The pixel `radius` away from the centre in the direction `degrees`
// clockwise (on screen) from straight down.
QPoint pixelAt(double degrees, double radius) {
    const double a = qDegreesToRadians(degrees);
    return QPoint(int(std::floor(side / 2 - radius * std::sin(a))),
                  int(std::floor(side / 2 + radius * std::cos(a))));
}

} // namespace

TEST(ImageFunctionsTest, WholeAreaAnglesClearExactlyTheirRectangles) {
    const struct {
        int angle;
        QRect cleared;
    } cases[] = {
        {0, QRect()},
        {-5, QRect()},
        {720, QRect()},
        {90, QRect(0, 20, 20, 20)},
        {450, QRect(0, 20, 20, 20)},
        {180, QRect(0, 0, 20, 40)},
        {360, QRect(0, 0, 40, 40)},
    };
    for (const auto &c : cases) {
        QImage picture = opaquePicture();
        ClearPolyByAngle(picture, c.angle);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                ASSERT_EQ(isCleared(picture, x, y), c.cleared.contains(x, y))
                    << "angle " << c.angle << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(ImageFunctionsTest, TwoSeventyLeavesOnlyTheLowerRightQuarter) {
    QImage picture = opaquePicture();
    ClearPolyByAngle(picture, 270);
    const QRect kept(20, 20, 20, 20);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            ASSERT_EQ(isCleared(picture, x, y), !kept.contains(x, y)) << x << "," << y;
    }
}

TEST(ImageFunctionsTest, SectorsClearWhatTheSweepPassedAndKeepTheRest) {
    // One angle from each range; samples well inside and well outside the sweep.
    for (const int angle : {30, 45, 60, 100, 135, 150, 200, 225, 250, 300, 315, 340}) {
        QImage picture = opaquePicture();
        ClearPolyByAngle(picture, angle);
        for (const double radius : {8.0, 15.0}) {
            for (const double swept : {angle / 2.0, angle - 12.0}) {
                const QPoint p = pixelAt(swept, radius);
                EXPECT_TRUE(isCleared(picture, p.x(), p.y()))
                    << "angle " << angle << " swept " << p.x() << "," << p.y();
            }
            for (const double ahead : {angle + 12.0, (angle + 360) / 2.0}) {
                const QPoint p = pixelAt(ahead, radius);
                EXPECT_FALSE(isCleared(picture, p.x(), p.y()))
                    << "angle " << angle << " ahead " << p.x() << "," << p.y();
            }
        }
    }
}

TEST(ImageFunctionsTest, SectorEdgeUsesPiAsThreePointOneFour) {
    // On 10 x 10, 35 degrees: the edge meets the bottom at 5 - R(3.4987) = 2;
    // with the exact pi it would be 5 - R(3.5010) = 1 and take (3, 8) too.
    QImage picture(10, 10, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    ClearPolyByAngle(picture, 35);
    EXPECT_TRUE(isCleared(picture, 4, 8));
    EXPECT_FALSE(isCleared(picture, 3, 8));
}

TEST(ImageFunctionsTest, PointInPolygonIsTheEvenOddRule) {
    const QVector<QPointF> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const QVector<QPointF> triangle{{0, 0}, {10, 0}, {0, 10}};
    const struct {
        const char *what;
        QVector<QPointF> points;
        QPointF at;
        bool inside;
    } cases[] = {
        {"square middle", square, {5, 5}, true},
        {"left of square", square, {-1, 5}, false},
        {"right of square", square, {11, 5}, false},
        {"top edge counts", square, {5, 0}, true},
        {"bottom edge does not", square, {5, 10}, false},
        {"left edge does not", square, {0, 5}, false},
        {"triangle near the corner", triangle, {2, 2}, true},
        {"beyond the hypotenuse", triangle, {7, 7}, false},
        {"two points", {{0, 0}, {10, 10}}, {5, 5}, false},
        {"no points", {}, {0, 0}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsPtInPoly(c.at.x(), c.at.y(), c.points), c.inside) << c.what;
}
