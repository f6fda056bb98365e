#include "ScreenFit.h"

#include <QtGlobal>

namespace {

constexpr qreal MinDesignSide = 1;
constexpr qreal MaxDesignSide = 16384;

qreal designSide(qreal side) {
    return qBound(MinDesignSide, side, MaxDesignSide);
}

} // namespace

FitResult ScalToScreen(qreal designedX, qreal designedY, QSizeF screenSize, qreal sScale,
                       bool isSwitch) {
    const qreal W = designSide(designedX);
    const qreal H = designSide(designedY);
    FitResult fit;
    fit.targetSize = QSizeF(W, H);

    const qreal sw = screenSize.width();
    const qreal sh = screenSize.height();
    // Before the screen is known there is nothing to fit to: show the page as designed.
    if (!(sw > 0 && sh > 0))
        return fit;
    const qreal s = sScale > 0 ? sScale : 1;

    fit.DesignAndScreenFixed = sw / sh == W / H;
    const qreal mx = W / (s * sw);
    const qreal my = H / (sh * s);

    if (isSwitch) {
        fit.scaleX = 1 / s / mx;
        fit.scaleY = 1 / s / my;
        return fit;
    }

    const qreal m = qMax(mx, my);
    fit.scaleX = fit.scaleY = 1 / s / m;
    if (mx >= my)
        fit.pos = QPointF(0, (sh * s - H / (W / (sw * s))) / 2);
    else
        fit.pos = QPointF((sw * s - W / (H / (sh * s))) / 2, 0);
    return fit;
}

bool needsLetterbox(bool designAndScreenFixed, bool stretch, bool fillBlankBG,
                    bool backgroundExists) {
    return !designAndScreenFixed && !stretch && fillBlankBG && backgroundExists;
}

QSize windowedViewSize(int W, int H) {
    return QSize(W + 5, H + 32);
}

bool wantsLandscape(int W, int H) {
    return W >= H;
}
