#include "StatusLine.h"

#include "Messages.h"

#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {
constexpr qreal TopZ = 1e6;
}

StatusLine::StatusLine(QGraphicsItem *parent)
    : QGraphicsObject(parent), m_fill(QColor::fromRgba(0xFFDC143C)),
      m_text(QString::fromUtf8(messages::StatusInitialText)) {
    setZValue(TopZ);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void StatusLine::setWidth(qreal width) {
    if (qFuzzyCompare(width, m_width))
        return;
    prepareGeometryChange();
    m_width = width;
}

void StatusLine::setFillColour(const QColor &colour) {
    m_fill = colour;
    update();
}

void StatusLine::ShowInfoBox(const QString &info, int, int, int delays) {
    if (m_closing || info.isEmpty())
        return;
    m_delay = delays;
    m_rectOpacity = (delays >= 1 && delays <= 5) ? 0.45 : 0.95;
    m_text = info;
    setPos(pos().x(), 0);
    setZValue(TopZ);
    show();
    update();
}

void StatusLine::HideInfoBox() {
    m_delay = -1;
    setZValue(TopZ);
    hide();
}

void StatusLine::tick() {
    if (m_delay <= 0)
        return;
    --m_delay;
    if (m_delay < 1)
        hide();
}

QRectF StatusLine::boundingRect() const {
    return QRectF(0, 0, m_width, Height);
}

void StatusLine::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    painter->save();
    painter->setOpacity(m_rectOpacity);
    painter->fillRect(boundingRect(), m_fill);
    painter->restore();
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(boundingRect(), Qt::AlignCenter, m_text);
}

void StatusLine::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    event->accept();
    HideInfoBox();
}
