#pragma once

#include "PointerItem.h"
#include <QImage>

#include <optional>

// A picture on the page that may act as a button, switch, knob, slider or
// level display. The picture is stretched to the object's size.
class TmyImage : public PointerItem {
    Q_OBJECT
public:
    explicit TmyImage(QGraphicsItem *parent = nullptr);

    // Loads the picture file; false (and nothing changed) when it cannot be read.
    bool loadPicture(const QString &path);
    void clearPicture();
    // Replaces the picture in place, as the cut-away effects do.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setSize(const QSizeF &size);
    QSizeF size() const { return m_size; }

    // The clearing step between pages.
    void resetForReuse();

    QRectF boundingRect() const override;

protected:
    // Knobs, sliders and level displays are dragged: the finger may outrun them.
    bool leavesWhenSlidOff() const override;

public:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString Task;
    qreal Alpha1 = 100;
    qreal Alpha2 = 50;
    bool isButton = false;
    bool isDown = false;
    bool isRichEff = false;
    int ButtonType = 0;
    QString GroupTag;
    int Percent = 0;
    QString LastURL;
    int MaxAngel = 300;
    std::optional<QImage> CacheBitmap;
    bool isMutiTask = false;
    QString NextUI;
    QString LocTask;
    QString FlashSytle;
    QString onDownTask;
    QString onMoveTask;

private:
    QImage m_picture;
    QSizeF m_size;
};
