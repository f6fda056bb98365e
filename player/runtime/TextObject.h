#pragma once

#include "PointerItem.h"
#include <QColor>

// A text on the page: free text, or the caption of a picture. It sizes
// itself to its text unless a size is given.
class TextObject : public PointerItem {
    Q_OBJECT
public:
    explicit TextObject(QGraphicsItem *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setFontSize(int size);
    int fontSize() const { return m_fontSize; }
    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    // Automatic sizing: the object takes the size of its text.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setSize(const QSizeF &size);
    QSizeF size() const { return m_size; }

    // The size a single line of this text takes, margins included.
    int GetTXTWidth() const;
    int GetTXTHeight() const;

    QFont font() const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void fitToText();

    QString m_text;
    int m_fontSize = 12;
    QColor m_colour = Qt::transparent;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_autoSize = false;
    QSizeF m_size;
};
