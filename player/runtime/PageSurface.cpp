#include "PageSurface.h"

#include "StatusLine.h"

#include <QGraphicsSceneMouseEvent>
#include <QResizeEvent>

WorkAreaItem::WorkAreaItem(QGraphicsItem *parent) : QGraphicsObject(parent) {
    setFlag(ItemClipsChildrenToShape);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void WorkAreaItem::setSize(const QSizeF &size) {
    if (size == m_size)
        return;
    prepareGeometryChange();
    m_size = size;
    setTransformOriginPoint(QPointF(size.width() / 2, size.height() / 2));
}

QRectF WorkAreaItem::boundingRect() const {
    return QRectF(QPointF(0, 0), m_size);
}

void WorkAreaItem::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    event->accept();
    emit pressed(event->pos());
}

void WorkAreaItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event) {
    event->accept();
    emit released(event->pos());
}

PageSurface::PageSurface(QWidget *parent)
    : QGraphicsView(parent), m_workArea(new WorkAreaItem), m_statusLine(new StatusLine) {
    setScene(&m_scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                   QPainter::TextAntialiasing);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    m_scene.addItem(m_workArea);
    m_scene.addItem(m_statusLine);
    layoutItems();
}

void PageSurface::setAngle(int degrees) {
    m_angle = degrees;
    layoutItems();
}

void PageSurface::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    layoutItems();
}

void PageSurface::layoutItems() {
    const QSizeF area = viewport()->size();
    m_scene.setSceneRect(QRectF(QPointF(0, 0), area));
    m_workArea->setSize(area);
    m_workArea->setRotation(m_angle);
    m_statusLine->setWidth(area.width());
    m_statusLine->setTransformOriginPoint(QPointF(area.width() / 2, area.height() / 2));
    m_statusLine->setRotation(m_angle);
}
