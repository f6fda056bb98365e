#include "StatusLine.h"

#include "Messages.h"
#include "TextObject.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {
constexpr qreal TopZ = 1e6;
}

StatusLine::StatusLine(QGraphicsItem *parent)
    : QGraphicsObject(parent), m_fill(QColor::fromRgba(0xFFDC143C)), m_label(new TextObject(this)) {
    setObjectName(QStringLiteral("LayoutStatus"));
    m_label->setObjectName(QStringLiteral("SystemLabelTips"));
    m_label->setAcceptedMouseButtons(Qt::NoButton);
    m_label->setColour(Qt::white);
    m_label->setFontSize(16);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setText(QString::fromUtf8(messages::StatusInitialText));
    m_label->setSize(QSizeF(0, Height));
    setZValue(TopZ);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void StatusLine::setWidth(qreal width) {
    if (qFuzzyCompare(width, m_width))
        return;
    prepareGeometryChange();
    m_width = width;
    m_label->setSize(QSizeF(width, Height));
}

QString StatusLine::text() const {
    return m_label->text();
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
    m_label->setText(info);
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
}

void StatusLine::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    event->accept();
    HideInfoBox();
}
