#include "ImageFunctions.h"

#include <algorithm>
#include <cmath>

namespace Image_functions {

namespace {

// The sector's edge has always been computed with this value of pi, and
// knob pictures line up with that edge.
constexpr double roughPi = 3.14;

double t(int degrees) {
    return std::tan(degrees * roughPi / 180);
}

// Halves round to even, as everywhere in the project's numbers.
int R(double v) {
    return static_cast<int>(std::lrint(v));
}

// A rectangle given by its edges, right and bottom exclusive.
QRect edges(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// What clearing `a` degrees takes: whole areas, then the pixels of `region`
// that fall inside (or outside) the triangle.
struct Cut {
    QVector<QRect> areas;
    QVector<QPointF> triangle;
    QRect region;
    bool clearInside = true;
};

Cut cutFor(int a, int W, int H) {
    const int cx = W / 2;
    const int cy = H / 2;
    const QPointF centre(cx, cy);
    const QRect lowerLeft = edges(0, cy, cx, H);
    const QRect leftHalf = edges(0, 0, cx, H);
    const QRect upperRight = edges(cx, 0, W, cy);
    const QRect upperLeftPixels = edges(0, 0, cx, cy);
    const QRect upperRightPixels = edges(cx - 1, 0, W, cy);
    const QRect lowerRightPixels = edges(cx + 1, cy, W, H);

    if (a <= 45)
        return {{}, {centre, QPointF(cx, H), QPointF(cx - R(t(a) * cy), H)}, lowerLeft, true};
    if (a < 90)
        return {
            {}, {centre, QPointF(-1, cy), QPointF(-1, cy + R(t(90 - a) * cx))}, lowerLeft, false};
    if (a == 90)
        return {{lowerLeft}, {}, {}, true};
    if (a <= 135)
        return {{lowerLeft},
                {centre, QPointF(-1, cy), QPointF(-1, cy - R(t(a - 90) * cx))},
                upperLeftPixels,
                true};
    if (a < 180)
        return {{lowerLeft},
                {centre, QPointF(cx, -1), QPointF(cx - R(t(180 - a) * cy), -1)},
                upperLeftPixels,
                false};
    if (a == 180)
        return {{leftHalf}, {}, {}, true};
    if (a <= 225)
        return {{leftHalf},
                {centre, QPointF(cx - 1, -1), QPointF(cx + R(t(a - 180) * cy), -1)},
                upperRightPixels,
                true};
    if (a < 270)
        return {{leftHalf},
                {centre, QPointF(W, cy), QPointF(W, cy - R(t(270 - a) * cy))},
                upperRightPixels,
                false};
    if (a == 270)
        return {{leftHalf, upperRight}, {}, {}, true};
    if (a <= 315)
        return {{leftHalf, upperRight},
                {centre, QPointF(W, cy), QPointF(W, cy + R(t(a - 270) * cy))},
                lowerRightPixels,
                true};
    if (a < 360)
        return {{leftHalf, upperRight},
                {centre, QPointF(cx, H), QPointF(cx + R(t(360 - a) * cy), H)},
                lowerRightPixels,
                false};
    return {{edges(0, 0, W, H)}, {}, {}, true};
}

void makeWritable(QImage &bitmap) {
    if (bitmap.format() != QImage::Format_ARGB32_Premultiplied)
        bitmap.convertTo(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

void ClearRect(QImage &bitmap, const QRect &area) {
    const QRect clipped = area.intersected(bitmap.rect());
    if (clipped.isEmpty())
        return;
    makeWritable(bitmap);
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, QRgb(0));
    }
}

void ClearPolyByAngle(QImage &bitmap, int angle) {
    if (angle > 360)
        angle %= 360;
    if (angle <= 0 || bitmap.isNull())
        return;
    const Cut cut = cutFor(angle, bitmap.width(), bitmap.height());
    for (const QRect &area : cut.areas)
        ClearRect(bitmap, area);

    const QRect region = cut.region.intersected(bitmap.rect());
    if (region.isEmpty())
        return;
    makeWritable(bitmap);
    for (int y = region.top(); y <= region.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        for (int x = region.left(); x <= region.right(); ++x) {
            if (IsPtInPoly(x, y, cut.triangle) == cut.clearInside)
                line[x] = 0;
        }
    }
}

bool IsPtInPoly(double x, double y, const QVector<QPointF> &points) {
    if (points.size() < 3)
        return false;
    int crossings = 0;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF &a = points[i];
        const QPointF &b = points[(i + 1) % points.size()];
        if (a.y() == b.y())
            continue;
        if ((a.y() <= y && y < b.y()) || (b.y() <= y && y < a.y())) {
            const double edgeX = a.x() - (a.x() - b.x()) * (a.y() - y) / (a.y() - b.y());
            if (x > edgeX)
                ++crossings;
        }
    }
    return crossings % 2 == 1;
}

} // namespace Image_functions
