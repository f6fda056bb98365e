#pragma once

#include <QGraphicsObject>
#include <QGraphicsView>

namespace page {
struct PageSettings;
}
class StatusLine;
class TmyImage;

// The item that holds a page's objects. Presses that no object takes land
// here: they drive hold-to-configure and the page background's own action.
class WorkAreaItem : public QGraphicsObject {
    Q_OBJECT
public:
    explicit WorkAreaItem(QGraphicsItem *parent = nullptr);

    void setSize(const QSizeF &size);
    QSizeF size() const { return m_size; }

    QRectF boundingRect() const override;
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}

signals:
    void pressed(const QPointF &pos);
    void released(const QPointF &pos);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QSizeF m_size;
};

// The view that fills the window: the page surface `MainWorkArea` and the
// status line above it, both turned by the configured angle.
class PageSurface : public QGraphicsView {
    Q_OBJECT
public:
    explicit PageSurface(QWidget *parent = nullptr);

    WorkAreaItem *MainWorkArea() const { return m_workArea; }
    StatusLine *statusLine() const { return m_statusLine; }

    // Rotation of the page surface and the status line about their centres.
    void setAngle(int degrees);
    int angle() const { return m_angle; }

    // Full screen: the page of the design size is fitted to the view,
    // stretched or uniformly; windowed: shown at its own size.
    void setPageFit(const QSizeF &designSize, bool stretch, bool fitToView);
    // The fit of a page's settings, with the letterbox fill when it applies.
    void fitPage(const page::PageSettings &settings, const QString &backgroundPath, bool fitToView);
    bool DesignAndScreenFixed() const { return m_designAndScreenFixed; }
    // The letterbox fill behind the page, filling the whole view; it stays
    // until another page asks for one.
    void showLetterbox(const QString &picturePath);
    TmyImage *FullScreenBG() const { return m_fullScreenBG; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutItems();

    QGraphicsScene m_scene;
    WorkAreaItem *m_workArea;
    StatusLine *m_statusLine;
    int m_angle = 0;
    QSizeF m_designSize{1920, 1080};
    bool m_stretch = true;
    bool m_fitToView = true;
    bool m_designAndScreenFixed = false;
    TmyImage *m_fullScreenBG = nullptr;
};
