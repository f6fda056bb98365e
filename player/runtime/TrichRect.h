#pragma once

#include "draw/RichPainter.h"

#include "PointerItem.h"

#include <cstdint>

namespace page {
class PageDocument;
struct PageSettings;
} // namespace page

// A drawn rectangle on the page: rounded, solid or gradient filled, with a
// border, a glow and a centred caption. It may act as a button.
class TrichRect : public PointerItem {
    Q_OBJECT
public:
    explicit TrichRect(QGraphicsItem *parent = nullptr);

    void setSize(const QSizeF &size);
    QSizeF size() const { return m_look.size; }
    void setText(const QString &text);
    QString text() const { return m_look.caption.text; }

    bool isTouchable() const { return ButtonType >= 0; }
    // The glow width; 0 means the rectangle has no glow.
    qreal EffectWidth() const { return m_look.glowWidth; }
    const draw::RichRectLook &look() const { return m_look; }

    // Applies the rich attributes of the element with that XML id.
    void SetRichRectAttr(const page::PageDocument &doc, int xmlId);
    // 0 all four, 1 bottom, 2 right, 3 top and bottom, 4 left and right,
    // 5 left and bottom, 6 top and right; other values keep the sides.
    void SetRectSides(int id);
    // The look of the page colour rectangle.
    void SetRichRectBGcolor(const page::PageSettings &settings);
    // cType 0: gradient val1 to val2 and glow of width val3 in colour val4;
    // 1: gradient only; 2: glow of width val1 in colour val2; 3: border
    // colour val1; 4: border width val1; others nothing.
    void ChangeRichRectArrt(int cType, uint32_t val1, uint32_t val2, int val3, uint32_t val4);
    // While a touchable rectangle is held it glows, or without a glow takes
    // the pressed opacity. On release a static one keeps glowing.
    void setPressedLook(bool pressed);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString Task;
    qreal Alpha1 = 100;
    qreal Alpha2 = 50;
    // -1 decoration, 0 static, 1 and above button. The attribute readers also
    // set which mouse buttons reach the item; isTouchable() is the rule.
    int ButtonType = 0;
    uint32_t usrFillColor1 = 0;
    bool isMutiTask = false;
    QString NextUI;
    QString LocTask;
    QString FlashSytle;
    QString onDownTask;

private:
    void acceptTouchesByType();
    void setLook(const draw::RichRectLook &look);

    draw::RichRectLook m_look;
    draw::GlowCache m_glow;
};
