#pragma once

#include "draw/RichPainter.h"

#include "PointerItem.h"

#include <cstdint>

namespace page {
class PageDocument;
}

// A drawn two-state slide switch: a body whose colour shows the state and a
// knob that carries the caption of the state and moves to the right when on.
class TrichSwitch : public PointerItem {
    Q_OBJECT
public:
    explicit TrichSwitch(QGraphicsItem *parent = nullptr);

    void setSize(const QSizeF &size);
    QSizeF size() const { return m_look.size; }
    // "on text|off text" sets both captions; text without "|" keeps them.
    void setText(const QString &text);
    // The caption the knob shows now.
    QString caption() const { return m_look.caption.text; }
    void setIsPressed(bool on);
    bool switch_is_on() const { return m_on; }
    // Lays the knob out for the current size and shows the off look; the
    // state is left for the caller to apply again.
    void refreshSize();
    QRectF knobRect() const { return m_look.knob; }

    bool isTouchable() const { return ButtonType >= 0; }
    const draw::RichSwitchLook &look() const { return m_look; }

    void SetRichSwitchAttr(const page::PageDocument &doc, int xmlId);
    // The parameter string of the switch's actions, "1&bt=0&name=Pump" for an
    // on switch of type 0 whose element is named Pump.
    QString GetRichSwitchPara(const QString &nameAttribute) const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The action when the switch turns off; onDownTask when it turns on.
    QString Task;
    // -1 not touchable, 0 and above touchable; see TrichRect::ButtonType.
    int ButtonType = 1;
    bool isMutiSelect = false;
    bool isMutiTask = false;
    QString NextUI;
    QString LocTask;
    QString FlashSytle;
    QString onDownTask;
    uint32_t SwtichButtonColor = 0xFFFFFFFF;
    uint32_t SwtichOnColor = 0xFF338FFF;
    uint32_t SwtichOffColor = 0xFF828282;
    QString SwtichOffText;
    QString SwtichOnText;
    QString SwtichFullText;

private:
    void acceptTouchesByType();
    void setLook(const draw::RichSwitchLook &look);

    draw::RichSwitchLook m_look;
    bool m_on = false;
};
