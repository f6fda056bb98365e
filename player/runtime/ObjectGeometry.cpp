#include "ObjectGeometry.h"

#include "MediaObject.h"
#include "TextObject.h"
#include "TmyImage.h"
#include "TrichRect.h"
#include "TrichSwitch.h"
#include "WebObject.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>

#include <algorithm>

namespace object_geometry {

namespace {

// Siblings in drawing order, the first drawn first.
QList<QGraphicsItem *> siblings(const QGraphicsItem *item) {
    if (QGraphicsItem *parent = item->parentItem())
        return parent->childItems();
    QList<QGraphicsItem *> topLevel;
    if (QGraphicsScene *scene = item->scene()) {
        const QList<QGraphicsItem *> all = scene->items(Qt::AscendingOrder);
        std::copy_if(all.begin(), all.end(), std::back_inserter(topLevel),
                     [](const QGraphicsItem *each) { return !each->parentItem(); });
    }
    return topLevel;
}

} // namespace

QSizeF objectSize(const QGraphicsObject *object) {
    if (auto *image = qobject_cast<const TmyImage *>(object))
        return image->size();
    if (auto *text = qobject_cast<const TextObject *>(object))
        return text->size();
    if (auto *rect = qobject_cast<const TrichRect *>(object))
        return rect->size();
    if (auto *toggle = qobject_cast<const TrichSwitch *>(object))
        return toggle->size();
    if (auto *web = qobject_cast<const WebObject *>(object))
        return web->size();
    if (auto *media = qobject_cast<const MediaObject *>(object))
        return media->size();
    if (auto *proxy = qobject_cast<const QGraphicsProxyWidget *>(object))
        return proxy->size();
    return object->boundingRect().size();
}

void setObjectSize(QGraphicsObject *object, const QSizeF &size) {
    if (auto *image = qobject_cast<TmyImage *>(object)) {
        image->setSize(size);
    } else if (auto *text = qobject_cast<TextObject *>(object)) {
        text->setSize(size);
    } else if (auto *rect = qobject_cast<TrichRect *>(object)) {
        rect->setSize(size);
    } else if (auto *toggle = qobject_cast<TrichSwitch *>(object)) {
        const bool on = toggle->switch_is_on();
        toggle->setSize(size);
        toggle->refreshSize();
        toggle->setIsPressed(on);
    } else if (auto *web = qobject_cast<WebObject *>(object)) {
        web->setBounds(QRectF(web->pos(), size));
    } else if (auto *media = qobject_cast<MediaObject *>(object)) {
        media->setSize(size);
        media->setTransformOriginPoint(size.width() / 2, size.height() / 2);
    } else if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(object)) {
        proxy->resize(size);
        proxy->setTransformOriginPoint(size.width() / 2, size.height() / 2);
    }
}

void setObjectScale(QGraphicsItem *item, qreal x, qreal y) {
    item->setTransform(QTransform::fromScale(x, y));
}

int stackPosition(const QGraphicsItem *item) {
    return int(siblings(item).indexOf(const_cast<QGraphicsItem *>(item)));
}

void moveToStackPosition(QGraphicsItem *item, int position) {
    QList<QGraphicsItem *> order = siblings(item);
    order.removeOne(item);
    order.insert(qBound(0, position, int(order.size())), item);
    for (int i = 0; i < order.size(); ++i)
        order[i]->setZValue(i);
}

void bringToFront(QGraphicsItem *item) {
    const QList<QGraphicsItem *> order = siblings(item);
    if (order.isEmpty() || order.constLast() == item)
        return;
    item->setZValue(order.constLast()->zValue() + 1);
}

} // namespace object_geometry
