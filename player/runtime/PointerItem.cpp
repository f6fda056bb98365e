#include "PointerItem.h"

#include <QGraphicsSceneMouseEvent>

namespace {
// The scene keeps the mapping of a moved item stale until the next paint;
// a drag that moves its own object between two events needs the fresh one.
QPointF localPos(const QGraphicsItem *item, const QGraphicsSceneMouseEvent *event) {
    return item->sceneTransform().inverted().map(event->scenePos());
}
} // namespace

PointerItem::PointerItem(QGraphicsItem *parent) : QGraphicsObject(parent) {
    setAcceptedMouseButtons(Qt::LeftButton);
}

void PointerItem::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    m_pressed = true;
    event->accept();
    emit pointerDown(localPos(this, event));
}

void PointerItem::mouseMoveEvent(QGraphicsSceneMouseEvent *event) {
    if (!m_pressed)
        return;
    const QPointF pos = localPos(this, event);
    if (leavesWhenSlidOff() && !shape().contains(pos)) {
        m_pressed = false;
        emit pointerLeave();
        return;
    }
    emit pointerMove(pos);
}

void PointerItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
    if (!m_pressed)
        return;
    m_pressed = false;
    emit pointerUp(localPos(this, event));
}

bool PointerItem::sceneEvent(QEvent *event) {
    // A press taken away without a release (another window, a cancelled
    // touch) ends like a finger sliding off.
    if (event->type() == QEvent::UngrabMouse && m_pressed) {
        m_pressed = false;
        emit pointerLeave();
    }
    return QGraphicsObject::sceneEvent(event);
}
