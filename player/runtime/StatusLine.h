#pragma once

#include <QColor>
#include <QGraphicsObject>

class TextObject;

// The status line across the top of the window: a tinted strip with one
// centred text that hides itself after a number of page-clock ticks.
class StatusLine : public QGraphicsObject {
    Q_OBJECT
public:
    static constexpr qreal Height = 33;

    explicit StatusLine(QGraphicsItem *parent = nullptr);

    void setWidth(qreal width);
    void setFillColour(const QColor &colour);
    QColor fillColour() const { return m_fill; }
    // While the program is closing every message is ignored.
    void setClosing(bool closing) { m_closing = closing; }

    // Shows info for `delays` ticks; 0 or -1 never expires. x and y are
    // accepted for the callers' sake and have no effect.
    void ShowInfoBox(const QString &info, int x, int y, int delays);
    void HideInfoBox();
    // One tick of the page clock: counts a positive countdown down.
    void tick();

    QString text() const;
    // The text part, a page text like any other (state reports may set it).
    TextObject *SystemLabelTips() const { return m_label; }
    int TimerinfoBoxDelayS() const { return m_delay; }
    qreal rectangleOpacity() const { return m_rectOpacity; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
    qreal m_width = 0;
    QColor m_fill;
    qreal m_rectOpacity = 0.4;
    TextObject *m_label;
    int m_delay = 0;
    bool m_closing = false;
};
