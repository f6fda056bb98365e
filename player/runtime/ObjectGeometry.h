#pragma once

#include <QSizeF>

class QGraphicsItem;
class QGraphicsObject;

// Size, scale and drawing order of page objects, whatever their kind.
namespace object_geometry {

// The object's own size, before rotation and scale.
QSizeF objectSize(const QGraphicsObject *object);
// Resizes the object; it keeps turning about its centre.
void setObjectSize(QGraphicsObject *object, const QSizeF &size);

// Scales from the top-left corner. Rotation is applied before this scale, so
// the object still turns about the centre of what is drawn; a rotated object
// scaled unevenly is sheared rather than stretched along its own sides.
void setObjectScale(QGraphicsItem *item, qreal x, qreal y);

// Position among the parent's children (or the scene's top-level items), 0
// drawn first.
int stackPosition(const QGraphicsItem *item);
// Moves the item to that position; the siblings keep their order.
void moveToStackPosition(QGraphicsItem *item, int position);
void bringToFront(QGraphicsItem *item);

} // namespace object_geometry
