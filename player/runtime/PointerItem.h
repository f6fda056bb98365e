#pragma once

#include <QGraphicsObject>

// A page object that reports the finger to the touch handling: press, move
// and release in its own coordinates (design pixels, before rotation and
// scale), and leave when a press slides off it or is taken away. Once
// pressed it keeps the pointer until release.
class PointerItem : public QGraphicsObject {
    Q_OBJECT
public:
    explicit PointerItem(QGraphicsItem *parent = nullptr);

    // Off: a press stays with the object wherever the finger goes until release.
    void setReportsLeave(bool on) { m_reportsLeave = on; }

signals:
    void pointerDown(QPointF pos);
    void pointerMove(QPointF pos);
    void pointerUp(QPointF pos);
    void pointerLeave();

protected:
    virtual bool leavesWhenSlidOff() const { return m_reportsLeave; }
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    bool sceneEvent(QEvent *event) override;

private:
    bool m_pressed = false;
    bool m_reportsLeave = true;
};
