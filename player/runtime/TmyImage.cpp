#include "TmyImage.h"

#include "PageObject.h"

#include <QImageReader>
#include <QPainter>

TmyImage::TmyImage(QGraphicsItem *parent) : PointerItem(parent) {
    setObjectKind(this, ObjectKind::TmyImage);
    setObjectTag(this, -1);
}

bool TmyImage::loadPicture(const QString &path) {
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        return false;
    m_picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    update();
    return true;
}

void TmyImage::clearPicture() {
    m_picture = QImage();
    update();
}

void TmyImage::setPicture(const QImage &picture) {
    m_picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    update();
}

void TmyImage::setSize(const QSizeF &size) {
    if (size == m_size)
        return;
    prepareGeometryChange();
    m_size = size;
    setTransformOriginPoint(size.width() / 2, size.height() / 2);
}

void TmyImage::resetForReuse() {
    hide();
    isButton = false;
    ButtonType = 0;
    GroupTag.clear();
    Task.clear();
    Percent = 0;
    setRotation(0);
    setObjectTag(this, -1);
    LastURL.clear();
    CacheBitmap.reset();
}

bool TmyImage::leavesWhenSlidOff() const {
    return ButtonType != 3 && ButtonType != 4 && ButtonType != 6;
}

QRectF TmyImage::boundingRect() const {
    return QRectF(QPointF(0, 0), m_size);
}

void TmyImage::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    if (m_picture.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(boundingRect(), m_picture);
}
