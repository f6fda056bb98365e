#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QVector>

// Picture functions behind the cut-away effects of knobs and level displays.
namespace Image_functions {

// Makes transparent the sector swept clockwise from straight down through
// `angle` degrees around the picture's centre.
void ClearPolyByAngle(QImage &bitmap, int angle);

// Makes the pixels of `area` (clipped to the picture) transparent.
void ClearRect(QImage &bitmap, const QRect &area);

// Even-odd ray test; fewer than three points is never inside.
bool IsPtInPoly(double x, double y, const QVector<QPointF> &points);

} // namespace Image_functions
