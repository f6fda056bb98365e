#include "PageSurface.h"

#include "ScreenFit.h"
#include "StatusLine.h"
#include "TmyImage.h"
#include "WebObject.h"

#include "page/PageSettings.h"

#include "project/ProjectPaths.h"

#include <QFileInfo>
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

void PageSurface::setPageFit(const QSizeF &designSize, bool stretch, bool fitToView) {
    m_designSize = designSize;
    m_stretch = stretch;
    m_fitToView = fitToView;
    layoutItems();
}

void PageSurface::fitPage(const page::PageSettings &settings, const QString &backgroundPath,
                          bool fitToView) {
    setPageFit(QSizeF(settings.width, settings.height), settings.stretch, fitToView);
    if (needsLetterbox(m_designAndScreenFixed, settings.stretch, settings.fillBlankBG,
                       project::fileExists(backgroundPath)))
        showLetterbox(backgroundPath);
}

void PageSurface::showLetterbox(const QString &picturePath) {
    if (!m_fullScreenBG) {
        m_fullScreenBG = new TmyImage;
        m_fullScreenBG->setObjectName(QStringLiteral("__FullScreenBG"));
        m_fullScreenBG->setZValue(-1);
        m_scene.addItem(m_fullScreenBG);
    }
    if (m_fullScreenBG->LastURL != picturePath && m_fullScreenBG->loadPicture(picturePath))
        m_fullScreenBG->LastURL = picturePath;
    m_fullScreenBG->setSize(viewport()->size());
    m_fullScreenBG->show();
}

void PageSurface::layoutItems() {
    const QSizeF area = viewport()->size();
    m_scene.setSceneRect(QRectF(QPointF(0, 0), area));
    // Coordinates here are logical pixels already, so the screen scale is 1.
    const FitResult fit =
        m_fitToView
            ? ScalToScreen(m_designSize.width(), m_designSize.height(), area, 1, m_stretch)
            : ScalToScreen(m_designSize.width(), m_designSize.height(), m_designSize, 1, true);
    m_designAndScreenFixed = fit.DesignAndScreenFixed;
    m_workArea->setSize(fit.targetSize);
    // Scaled from its top-left corner, then turned about the centre of the
    // place it takes on the screen.
    const QPointF topLeft = m_fitToView ? fit.pos : QPointF(0, 0);
    const QPointF centre = topLeft + QPointF(fit.targetSize.width() * fit.scaleX / 2,
                                             fit.targetSize.height() * fit.scaleY / 2);
    QTransform placement = QTransform::fromScale(fit.scaleX, fit.scaleY);
    placement *= QTransform::fromTranslate(topLeft.x(), topLeft.y());
    placement *= QTransform::fromTranslate(-centre.x(), -centre.y());
    placement *= QTransform().rotate(m_angle);
    placement *= QTransform::fromTranslate(centre.x(), centre.y());
    m_workArea->setTransform(placement);
    if (m_fullScreenBG)
        m_fullScreenBG->setSize(area);
    // Browser views lie over the view, outside the scene: move them along.
    for (QGraphicsItem *item : m_workArea->childItems()) {
        if (auto *web = qobject_cast<WebObject *>(item->toGraphicsObject()))
            web->syncGeometry();
    }
    m_statusLine->setWidth(area.width());
    m_statusLine->setTransformOriginPoint(QPointF(area.width() / 2, area.height() / 2));
    m_statusLine->setRotation(m_angle);
}
