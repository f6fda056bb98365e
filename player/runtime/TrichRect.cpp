#include "TrichRect.h"

#include "PageObject.h"
#include "page/ElementReader.h"
#include "page/PageDocument.h"
#include "page/PageNames.h"
#include "page/PageSettings.h"

#include <QPainter>

#include <iterator>
#include <optional>

namespace {

namespace attr = page::names::attr;

constexpr uint32_t white = 0xFFFFFFFF;

void setGradient(draw::RichRectLook &look, QRgb from, QRgb to) {
    look.fillColour = from;
    look.gradientEnd = to;
}

// A width of 0 or less removes the glow; softness follows the width.
void setGlow(draw::RichRectLook &look, qreal width, QRgb colour, bool on) {
    if (width <= 0) {
        look.glowWidth = 0;
        look.glowOn = false;
        return;
    }
    look.glowWidth = width;
    look.glowSoftness = width / 10;
    look.glowColour = colour;
    look.glowOn = on;
}

void chooseSides(draw::RichRectLook &look, int id) {
    using namespace draw;
    static constexpr unsigned sidesById[] = {
        AllSides,
        SideBottom,
        SideRight,
        SideTop | SideBottom,
        SideLeft | SideRight,
        SideLeft | SideBottom,
        SideTop | SideRight,
    };
    if (id >= 0 && id < int(std::size(sidesById)))
        look.sides = sidesById[id];
}

} // namespace

TrichRect::TrichRect(QGraphicsItem *parent) : PointerItem(parent) {
    setObjectKind(this, ObjectKind::TrichRect);
    setObjectTag(this, -1);
    setAcceptedMouseButtons(Qt::LeftButton);
}

void TrichRect::setSize(const QSizeF &size) {
    draw::RichRectLook look = m_look;
    look.size = size;
    setLook(look);
    setTransformOriginPoint(size.width() / 2, size.height() / 2);
}

void TrichRect::setText(const QString &text) {
    draw::RichRectLook look = m_look;
    look.caption.text = text;
    setLook(look);
}

void TrichRect::acceptTouchesByType() {
    setAcceptedMouseButtons(isTouchable() ? Qt::LeftButton : Qt::NoButton);
}

void TrichRect::SetRichRectAttr(const page::PageDocument &doc, int xmlId) {
    const page::ElementReader element(doc, xmlId);

    draw::RichRectLook look = m_look;
    look.radius = element.integer(attr::Round, 0);
    look.fillColour = element.colour(attr::Color, white);
    usrFillColor1 = element.colour(attr::Color2, white);
    look.gradientEnd =
        element.text(attr::Color2).isEmpty() ? std::nullopt : std::optional<QRgb>(usrFillColor1);
    look.borderWidth = element.integer(attr::bdSize, 0);
    look.borderColour = element.colour(attr::Color3, 0);
    chooseSides(look, element.integer(attr::Sides, 0));
    ButtonType = element.integer(attr::type, 0);
    acceptTouchesByType();
    // A button's glow is prepared here and shown only while it is held.
    setGlow(look, element.integer(attr::Soft, 0), element.colour(attr::Color4, 0), ButtonType <= 0);
    look.caption.pixelSize = element.integer(attr::Size, 20);
    look.caption.colour = element.colour(attr::txtColor, white);
    const QString family = element.text(attr::Family);
    if (!family.isEmpty())
        look.caption.family = family;
    setLook(look);

    Alpha1 = element.integer(attr::Alpha, 100);
    setOpacity(Alpha1 / 100);
    Alpha2 = element.integer(attr::Alpha2, 50);

    Task = element.text(attr::Task);
    isMutiTask = element.flagExactTrue(attr::isMutiTask);
    LocTask = element.text(attr::LocTask);
    if (isMutiTask) {
        NextUI = element.text(attr::NextUI);
        onDownTask = element.text(attr::onDown);
        FlashSytle = element.text(attr::FlashSytle);
    }
}

void TrichRect::SetRectSides(int id) {
    draw::RichRectLook look = m_look;
    chooseSides(look, id);
    setLook(look);
}

void TrichRect::SetRichRectBGcolor(const page::PageSettings &settings) {
    draw::RichRectLook look = m_look;
    look.radius = 0;
    look.borderWidth = 0;
    look.fillColour = settings.color.value_or(0);
    look.gradientEnd = settings.color1;
    setLook(look);
}

void TrichRect::ChangeRichRectArrt(int cType, uint32_t val1, uint32_t val2, int val3,
                                   uint32_t val4) {
    draw::RichRectLook look = m_look;
    switch (cType) {
    case 0:
        setGradient(look, val1, val2);
        setGlow(look, val3, val4, true);
        break;
    case 1:
        setGradient(look, val1, val2);
        break;
    case 2:
        // The width comes in as a colour-sized word; it is a signed number.
        setGlow(look, int32_t(val1), val2, true);
        break;
    case 3:
        look.borderColour = val1;
        break;
    case 4:
        look.borderWidth = int32_t(val1);
        break;
    default:
        return;
    }
    setLook(look);
}

void TrichRect::setPressedLook(bool pressed) {
    if (!isTouchable())
        return;
    if (m_look.glowWidth <= 0) {
        setOpacity((pressed ? Alpha2 : Alpha1) / 100);
        return;
    }
    draw::RichRectLook look = m_look;
    look.glowOn = pressed || ButtonType == 0;
    setLook(look);
}

QRectF TrichRect::boundingRect() const {
    const qreal margin = draw::glowMargin(m_look);
    return QRectF(QPointF(0, 0), m_look.size).adjusted(-margin, -margin, margin, margin);
}

QPainterPath TrichRect::shape() const {
    QPainterPath path;
    path.addRect(QRectF(QPointF(0, 0), m_look.size));
    return path;
}

void TrichRect::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    m_glow.paint(*painter, m_look);
    draw::paintRichRect(*painter, m_look);
}

void TrichRect::setLook(const draw::RichRectLook &look) {
    if (look.size != m_look.size || draw::glowMargin(look) != draw::glowMargin(m_look))
        prepareGeometryChange();
    m_look = look;
    update();
}
