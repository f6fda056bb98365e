#include "ImageButtons.h"

#include "ImageFunctions.h"
#include "TmyImage.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

enum Kind { PushButton = 1, TwoState = 2, Knob = 3, Slider = 4, Level = 6 };

// Halves round to even, as everywhere in the project's numbers.
int rounded(double v) {
    return static_cast<int>(std::lrint(v));
}

TmyImage *parentImage(const TmyImage *img) {
    return qobject_cast<TmyImage *>(img->parentObject());
}

// The item holding the page's objects: the parent, or for a button on its
// background picture, the background's parent.
QGraphicsItem *pageHolder(const TmyImage *img) {
    QGraphicsItem *holder = img->parentItem();
    while (holder && dynamic_cast<TmyImage *>(holder))
        holder = holder->parentItem();
    return holder;
}

bool isHorizontal(const TmyImage *img) {
    return img->size().height() <= img->size().width();
}

void setAlpha(TmyImage *img, qreal percent) {
    img->setOpacity(percent / 100);
}

bool hasAlpha(const TmyImage *img, qreal percent) {
    return std::abs(img->opacity() - percent / 100) < 1e-6;
}

// The grab angle of a point on a knob, growing clockwise on screen like the
// knob's rotation. The point is in the knob's own turned coordinates, so
// adding the change of this angle to the rotation makes the knob follow the
// finger exactly.
double grabAngle(const TmyImage *img, double x, double y) {
    const double dx = x - img->size().width() / 2;
    const double dy = y - img->size().height() / 2;
    return std::atan2(-dx, dy);
}

// The text as a number; `fallback` when it is not one.
double numberOr(const QString &txt, double fallback) {
    bool ok = false;
    const double v = txt.toDouble(&ok);
    return ok ? v : fallback;
}

// The untouched picture: kept on first use, restored from then on.
QImage originalPicture(TmyImage *img) {
    if (!img->CacheBitmap || img->CacheBitmap->isNull())
        img->CacheBitmap = img->picture();
    return *img->CacheBitmap;
}

// "1" when the slider's track lies flat.
QString ori(const TmyImage *img) {
    const TmyImage *track = parentImage(img);
    return track && track->size().height() < track->size().width() ? QStringLiteral("1")
                                                                   : QStringLiteral("0");
}

// Position and rotation with "." whatever the locale: the controller parses them.
QString placement(const TmyImage *img) {
    return QString::asprintf("&x=%0.4f&y=%0.4f&ag=%0.2f", img->pos().x(), img->pos().y(),
                             img->rotation());
}

} // namespace

void ImageButtons::DemoButtonDown(TmyImage *img, double x, double y) {
    switch (img->ButtonType) {
    case PushButton:
        setAlpha(img, img->Alpha2);
        break;
    case Knob:
        IMGAngleMouseDown(img, x, y);
        break;
    case Slider:
        SliderMouseDown(img, x, y);
        break;
    case Level:
        ShowImgPartMouseDown(img, x, y);
        break;
    default:
        break;
    }
}

int ImageButtons::DemoButtonMove(TmyImage *img, double x, double y) {
    switch (img->ButtonType) {
    case Knob:
        return IMGAngleMouseMove(img, x, y);
    case Slider:
        return SliderMouseMove(img, x, y);
    case Level:
        return ShowImgPartMouseMove(img, x, y);
    default:
        return 0;
    }
}

void ImageButtons::DemoButtonUP(TmyImage *img, double x, double y) {
    switch (img->ButtonType) {
    case PushButton:
        setAlpha(img, img->Alpha1);
        break;
    case TwoState:
        if (img->GroupTag.isEmpty()) {
            setAlpha(img, hasAlpha(img, img->Alpha2) ? img->Alpha1 : img->Alpha2);
            img->isDown = hasAlpha(img, img->Alpha2);
        } else {
            UpdateGroupButton(img, pageHolder(img));
        }
        break;
    case Knob:
        IMGAngleMouseUP();
        break;
    case Slider:
        SliderMouseUP();
        break;
    case Level:
        ShowImgPartMouseUp(x, y);
        break;
    default:
        break;
    }
}

void ImageButtons::UpdateGroupButton(TmyImage *img, QGraphicsItem *target) {
    if (img->GroupTag.isEmpty() || !target)
        return;
    const QList<QGraphicsItem *> children = target->childItems();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *child = dynamic_cast<TmyImage *>(*it);
        if (!child)
            continue;
        // A button may sit on its own background picture.
        TmyImage *member = child;
        const QList<QGraphicsItem *> grandChildren = child->childItems();
        if (!grandChildren.isEmpty()) {
            if (auto *onBackground = dynamic_cast<TmyImage *>(grandChildren.first()))
                member = onBackground;
        }
        if (member->GroupTag == img->GroupTag) {
            setAlpha(member, member->Alpha1);
            member->isDown = false;
            member->update();
        }
    }
    setAlpha(img, img->Alpha2);
    img->isDown = true;
}

void ImageButtons::IMGAngleMouseDown(TmyImage *img, double x, double y) {
    m_state.RotState = true;
    m_state.RotaLastPercent = 0;
    setAlpha(img, img->Alpha2);
    m_state.StartTheta = grabAngle(img, x, y);
}

int ImageButtons::IMGAngleMouseMove(TmyImage *img, double x, double y) {
    if (!m_state.RotState)
        return 0;
    const double delta = (grabAngle(img, x, y) - m_state.StartTheta) * 180 / M_PI;
    const double turned = img->rotation() + delta;
    if (turned > img->MaxAngel + 1 || turned <= 0) {
        // At an end: the knob stays and the grab starts again from here.
        m_state.StartTheta = grabAngle(img, x, y);
    } else {
        img->setRotation(turned);
    }
    TmyImage *background = parentImage(img);
    if (img->isRichEff && background)
        IMGAngleMoveCutBg(background, rounded(img->rotation()));
    img->Percent = img->MaxAngel > 0 ? rounded(img->rotation() / img->MaxAngel * 100) : 0;
    img->update();
    return img->Percent;
}

void ImageButtons::IMGAngleMouseUP() {
    if (!m_state.RotState)
        return;
    m_state.RotState = false;
    m_state.StartTheta = 0;
    if (m_state.currentIMG)
        setAlpha(m_state.currentIMG, m_state.currentIMG->Alpha1);
}

void ImageButtons::SliderMouseDown(TmyImage *, double x, double y) {
    m_state.sliderDownX = x;
    m_state.sliderDownY = y;
    m_state.SliderCanMove = true;
}

int ImageButtons::SliderMouseMove(TmyImage *img, double x, double y) {
    if (!m_state.SliderCanMove)
        return 0;
    QPointF to = img->pos();
    int value = 0;
    TmyImage *track = parentImage(img);
    if (!track) {
        to.setX(std::max(0.0, img->x() + x - m_state.sliderDownX));
    } else if (isHorizontal(track)) {
        const double len = track->size().width() - img->size().width();
        to.setX(std::clamp(img->x() + x - m_state.sliderDownX, 0.0, std::max(len, 0.0)));
        value = len > 0 ? static_cast<int>(to.x() / len * 100) : 0;
        if (img->isRichEff)
            ShowImgPart(track, value, 1);
    } else {
        const double len = track->size().height() - img->size().height();
        to.setY(std::clamp(img->y() + y - m_state.sliderDownY, 0.0, std::max(len, 0.0)));
        value = 100 - (len > 0 ? static_cast<int>(to.y() * 100 / len) : 0);
        if (img->isRichEff)
            ShowImgPart(track, value, 3);
    }
    value = std::min(value, 100);
    img->Percent = value;
    img->setPos(to);
    return value;
}

void ImageButtons::SliderMouseUP() {
    m_state.SliderCanMove = false;
}

void ImageButtons::ShowImgPartMouseDown(TmyImage *, double x, double y) {
    m_state.SliderShowPartLastX = x;
    m_state.SliderShowPartLastY = y;
    m_state.SliderShowPartImgPressed = true;
}

int ImageButtons::ShowImgPartMouseMove(TmyImage *img, double x, double y) {
    if (!m_state.SliderShowPartImgPressed)
        return 0;
    const int value = showLevelAt(img, x, y, false);
    m_state.SliderShowPartLastX = x;
    m_state.SliderShowPartLastY = y;
    return value;
}

void ImageButtons::ShowImgPartMouseUp(double x, double y) {
    if (x > -1 && m_state.currentIMG)
        showLevelAt(m_state.currentIMG, x, y, true);
    m_state.SliderShowPartImgPressed = false;
}

int ImageButtons::showLevelAt(TmyImage *img, double x, double y, bool roundVertical) {
    int value = 0;
    if (isHorizontal(img)) {
        value = static_cast<int>(x * 100 / img->size().width());
        ShowImgPart(img, value, 1);
    } else {
        const double exact = 100 - y * 100 / img->size().height();
        value = roundVertical ? rounded(exact) : static_cast<int>(exact);
        ShowImgPart(img, value, 3);
    }
    return std::clamp(value, 0, 100);
}

void SetButtonStatus(TmyImage *img, const QString &txt, int percent) {
    switch (img->ButtonType) {
    case TwoState:
        setAlpha(img, percent > 0 ? img->Alpha2 : img->Alpha1);
        img->isDown = percent > 0;
        break;
    case Knob:
        ChangeCircleButtonValue(img, percent, txt);
        break;
    case Slider:
        SetSliderPercent(img, percent, -1, -1, txt);
        img->Percent = percent;
        break;
    case Level:
        if (percent >= 0 && percent <= 100) {
            ShowImgPart(img, percent, 1);
            img->Percent = percent;
        }
        break;
    default:
        break;
    }
}

void ChangeCircleButtonValue(TmyImage *img, int percent, const QString &txt) {
    double angle = numberOr(txt, -1);
    if (angle < 0)
        angle = percent * img->MaxAngel / 100.0;
    img->setRotation(angle);
    img->Percent = percent;
    TmyImage *background = parentImage(img);
    if (img->isRichEff && background)
        IMGAngleMoveCutBg(background, rounded(angle));
}

void SetSliderPercent(TmyImage *thumb, int percent, double x, double y, const QString &txt) {
    TmyImage *track = parentImage(thumb);
    bool horizontal = true;
    int pw = 0;
    int ph = 0;
    if (track) {
        const QSizeF trackSize = track->size();
        horizontal = trackSize.width() >= trackSize.height();
        pw = static_cast<int>(trackSize.width());
        ph = static_cast<int>(trackSize.height());
        if (percent >= 0) {
            if (horizontal)
                x = trackSize.width() * percent / 100;
            else
                y = percent * trackSize.height() / 100;
        }
    }
    const double v = numberOr(txt, -1);
    const QSizeF thumbSize = thumb->size();
    if (horizontal) {
        x = std::max(x, 0.0);
        if (pw > 0) {
            const int len = static_cast<int>(pw - thumbSize.width());
            x = std::min(x, double(len));
            thumb->Percent = len > 0 ? static_cast<int>(x / len * 100) : 0;
        }
        thumb->setX(v > -1 ? v : x);
        if (track && thumb->isRichEff)
            ShowImgPart(track, thumb->Percent, 1);
    } else {
        if (ph > 0) {
            const int len = static_cast<int>(ph - thumbSize.height());
            y = std::min(y, double(len));
            thumb->Percent =
                100 - (len > 0 ? static_cast<int>((thumbSize.height() + y) * 100 / len) : 0);
        }
        thumb->setY(v > -1 ? v : y);
        if (thumb->isRichEff)
            ShowImgPart(track, thumb->Percent, 3);
    }
}

void ShowImgPart(TmyImage *img, int p, int) {
    QImage picture = originalPicture(img);
    p = std::clamp(p, 0, 100);
    // The object's shape decides how it fills, whatever the caller asked for.
    const bool vertical = img->size().width() < img->size().height();
    if (vertical) {
        p = 100 - p;
        const int bottom = rounded(picture.height() * p / 100.0);
        Image_functions::ClearRect(picture, QRect(0, 0, picture.width(), bottom));
    } else {
        const int left = rounded(picture.width() * p / 100.0);
        Image_functions::ClearRect(picture,
                                   QRect(left, 0, picture.width() - left, picture.height()));
    }
    img->setPicture(picture);
    img->Percent = p;
}

void IMGAngleMoveCutBg(TmyImage *bgIMG, int angle) {
    if (bgIMG->picture().isNull())
        return;
    QImage picture = originalPicture(bgIMG);
    Image_functions::ClearPolyByAngle(picture, angle);
    bgIMG->setPicture(picture);
}

QString GetButtonPara(const TmyImage *img, const QString &name) {
    const QString kind = QString::number(img->ButtonType);
    switch (img->ButtonType) {
    case TwoState:
        return (img->isDown ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("&bt=") +
               kind + QStringLiteral("&name=") + name;
    case Knob:
        return QString::number(img->Percent) + placement(img) + QStringLiteral("&bt=") + kind +
               QStringLiteral("&name=") + name;
    case Slider:
    case Level:
        return QString::number(img->Percent) + placement(img) + QStringLiteral("&bt=") + kind +
               QStringLiteral("&ori=") + ori(img) + QStringLiteral("&name=") + name;
    default:
        return QString();
    }
}

QString GetMovePara(const TmyImage *img, int value, const QString &name) {
    const QString orientation = img->ButtonType == Slider ? ori(img) : QStringLiteral("0");
    return QString::number(value) + placement(img) + QStringLiteral("&bt=") +
           QString::number(img->ButtonType) + QStringLiteral("&ori=") + orientation +
           QStringLiteral("&name=") + name + QLatin1Char('\r');
}
