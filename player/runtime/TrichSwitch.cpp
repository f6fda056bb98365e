#include "TrichSwitch.h"

#include "PageObject.h"
#include "page/PageDocument.h"
#include "page/PageNames.h"
#include "page/ValueForms.h"

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
    const auto text = [&](const char *name) { return doc.value(xmlId, name); };
    const auto integer = [&](const char *name, int32_t fallback) {
        return page::readInteger(text(name), fallback);
    };
    const auto colour = [&](const char *name) { return page::readColour(text(name), 0); };

    draw::RichSwitchLook look = m_look;
    look.radius = integer(attr::Round, 0);
    SwtichOffColor = colour(attr::Color);
    SwtichOnColor = colour(attr::Color2);
    SwtichButtonColor = colour(attr::Color3);
    look.borderWidth = integer(attr::bdSize, 0);
    look.caption.pixelSize = integer(attr::Size, 0);
    look.caption.colour = page::readColour(text(attr::txtColor), 0xFFFFFFFF);
    const QString family = text(attr::Family);
    if (!family.isEmpty())
        look.caption.family = family;
    setLook(look);
    setIsPressed(page::readFlagExactTrue(text(attr::isPressed)));

    Task = text(attr::Task);
    // A switch's on action is read whether or not the multi-action set is in use.
    onDownTask = text(attr::onDown);
    isMutiTask = page::readFlagExactTrue(text(attr::isMutiTask));
    LocTask = text(attr::LocTask);
    if (isMutiTask) {
        NextUI = text(attr::NextUI);
        FlashSytle = text(attr::FlashSytle);
    }
    ButtonType = integer(attr::type, 0);
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
