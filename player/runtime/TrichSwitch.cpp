#include "TrichSwitch.h"

#include "PageObject.h"
#include "page/ElementReader.h"
#include "page/PageDocument.h"
#include "page/PageNames.h"

#include <QPainter>

namespace {

namespace attr = page::names::attr;

// The knob keeps this distance from the body's left and right ends.
constexpr qreal knobInset = 4;

} // namespace

TrichSwitch::TrichSwitch(QGraphicsItem *parent) : PointerItem(parent) {
    setObjectKind(this, ObjectKind::TrichSwitch);
    setObjectTag(this, -1);
    setAcceptedMouseButtons(Qt::LeftButton);
    // Until the first refreshSize the body shows a transparent fill.
    m_look.radius = 6;
    m_look.bodyColour = 0;
    m_look.knob = QRectF(2, 2, 0, 0);
    m_look.knobRadius = 6;
    m_look.caption.wordWrap = false;
}

void TrichSwitch::setSize(const QSizeF &size) {
    draw::RichSwitchLook look = m_look;
    look.size = size;
    setLook(look);
    setTransformOriginPoint(size.width() / 2, size.height() / 2);
}

void TrichSwitch::setText(const QString &text) {
    SwtichFullText = text;
    const qsizetype bar = text.indexOf(u'|');
    if (bar >= 0) {
        SwtichOnText = text.left(bar);
        SwtichOffText = text.mid(bar + 1);
    }
    draw::RichSwitchLook look = m_look;
    look.caption.text = m_on ? SwtichOnText : SwtichOffText;
    setLook(look);
}

void TrichSwitch::setIsPressed(bool on) {
    m_on = on;
    draw::RichSwitchLook look = m_look;
    look.knob.moveLeft(on ? look.size.width() - look.knob.width() - knobInset : knobInset);
    look.bodyColour = on ? SwtichOnColor : SwtichOffColor;
    look.caption.text = on ? SwtichOnText : SwtichOffText;
    setLook(look);
}

void TrichSwitch::refreshSize() {
    draw::RichSwitchLook look = m_look;
    look.knobColour = SwtichButtonColor;
    look.bodyColour = SwtichOffColor;
    look.caption.text = SwtichOffText;
    look.knob = QRectF(knobInset, 2, look.size.width() * 3 / 5 - knobInset, look.size.height() - 4);
    look.knobRadius = look.radius;
    look.borderWidth = 0;
    setLook(look);
}

void TrichSwitch::acceptTouchesByType() {
    setAcceptedMouseButtons(isTouchable() ? Qt::LeftButton : Qt::NoButton);
}

void TrichSwitch::SetRichSwitchAttr(const page::PageDocument &doc, int xmlId) {
    const page::ElementReader element(doc, xmlId);

    draw::RichSwitchLook look = m_look;
    look.radius = element.integer(attr::Round, 0);
    SwtichOffColor = element.colour(attr::Color, 0);
    SwtichOnColor = element.colour(attr::Color2, 0);
    SwtichButtonColor = element.colour(attr::Color3, 0);
    look.borderWidth = element.integer(attr::bdSize, 0);
    look.caption.pixelSize = element.integer(attr::Size, 0);
    look.caption.colour = element.colour(attr::txtColor, 0xFFFFFFFF);
    const QString family = element.text(attr::Family);
    if (!family.isEmpty())
        look.caption.family = family;
    setLook(look);
    setIsPressed(element.flagExactTrue(attr::isPressed));

    Task = element.text(attr::Task);
    // A switch's on action is read whether or not the multi-action set is in use.
    onDownTask = element.text(attr::onDown);
    isMutiTask = element.flagExactTrue(attr::isMutiTask);
    LocTask = element.text(attr::LocTask);
    if (isMutiTask) {
        NextUI = element.text(attr::NextUI);
        FlashSytle = element.text(attr::FlashSytle);
    }
    ButtonType = element.integer(attr::type, 0);
    acceptTouchesByType();
    isMutiSelect = false;
}

QString TrichSwitch::GetRichSwitchPara(const QString &nameAttribute) const {
    return (m_on ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral("&bt=") +
           QString::number(ButtonType) + QStringLiteral("&name=") + nameAttribute;
}

QRectF TrichSwitch::boundingRect() const {
    return QRectF(QPointF(0, 0), m_look.size);
}

void TrichSwitch::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    draw::paintRichSwitch(*painter, m_look);
}

void TrichSwitch::setLook(const draw::RichSwitchLook &look) {
    if (look.size != m_look.size)
        prepareGeometryChange();
    m_look = look;
    update();
}
