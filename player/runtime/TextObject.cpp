#include "TextObject.h"

#include "PageObject.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
// Room around a text, as a self-sizing text control leaves it.
constexpr int TextMargin = 2;
constexpr int MaxFontSize = 2000;
} // namespace

TextObject::TextObject(QGraphicsItem *parent) : PointerItem(parent) {
    setObjectKind(this, ObjectKind::TLabel);
    setObjectTag(this, -1);
}

void TextObject::setText(const QString &text) {
    m_text = text;
    fitToText();
    update();
}

void TextObject::setFontSize(int size) {
    m_fontSize = qBound(1, size, MaxFontSize);
    fitToText();
    update();
}

void TextObject::setColour(const QColor &colour) {
    m_colour = colour;
    update();
}

void TextObject::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void TextObject::setAutoSize(bool on) {
    m_autoSize = on;
    fitToText();
}

void TextObject::setSize(const QSizeF &size) {
    if (size == m_size)
        return;
    prepareGeometryChange();
    m_size = size;
    setTransformOriginPoint(size.width() / 2, size.height() / 2);
}

QFont TextObject::font() const {
    QFont font;
    font.setPixelSize(m_fontSize);
    return font;
}

int TextObject::GetTXTWidth() const {
    return QFontMetrics(font()).horizontalAdvance(m_text) + 2 * TextMargin;
}

int TextObject::GetTXTHeight() const {
    return QFontMetrics(font()).height() + 2 * TextMargin;
}

void TextObject::fitToText() {
    if (m_autoSize)
        setSize(QSizeF(GetTXTWidth(), GetTXTHeight()));
}

QRectF TextObject::boundingRect() const {
    return QRectF(QPointF(0, 0), m_size);
}

void TextObject::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    if (m_text.isEmpty() || m_colour.alpha() == 0)
        return;
    painter->setFont(font());
    painter->setPen(m_colour);
    painter->drawText(boundingRect(), int(m_alignment) | Qt::TextSingleLine, m_text);
}
