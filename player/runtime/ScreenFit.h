#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>

// Where and how large the page surface appears on the screen.
struct FitResult {
    QSizeF targetSize;
    qreal scaleX = 1;
    qreal scaleY = 1;
    QPointF pos;
    // The page and the screen have exactly the same aspect ratio.
    bool DesignAndScreenFixed = false;
};

// Fits a page designed at designedX x designedY to a screen of screenSize
// logical units at sScale physical pixels per unit; isSwitch stretches the
// page to the whole screen instead of keeping its aspect ratio.
FitResult ScalToScreen(qreal designedX, qreal designedY, QSizeF screenSize, qreal sScale,
                       bool isSwitch);

// The margins left by a uniform fit are filled with the page background.
bool needsLetterbox(bool designAndScreenFixed, bool stretch, bool fillBlankBG,
                    bool backgroundExists);

// The window of the design-size view: the page plus the window frame.
QSize windowedViewSize(int W, int H);

// The orientations a page asks for: square pages count as landscape.
bool wantsLandscape(int W, int H);
