#pragma once

#include <QImage>
#include <QRectF>
#include <QRgb>
#include <QSizeF>
#include <QString>

#include <optional>

class QPainter;

// Drawing of the rich objects, shared by the player and the designer. Every
// look is painted with its top-left corner at the painter's origin.
namespace draw {

// Border sides as bits; the border is drawn only along the sides that are set.
enum Side : unsigned { SideTop = 1, SideRight = 2, SideBottom = 4, SideLeft = 8 };
inline constexpr unsigned AllSides = SideTop | SideRight | SideBottom | SideLeft;

// A caption centred in its box. A size of 0 or less draws nothing.
struct Caption {
    QString text;
    int pixelSize = 12;
    QRgb colour = 0xFF000000;
    QString family; // empty: the application's font
    bool wordWrap = true;
};

struct RichRectLook {
    QSizeF size;
    qreal radius = 0;
    QRgb fillColour = 0xFFFFFFFF;
    // Present: the fill runs from fillColour at the top to this at the bottom.
    std::optional<QRgb> gradientEnd;
    QRgb borderColour = 0xFF000000;
    qreal borderWidth = 0;
    unsigned sides = AllSides;
    QRgb glowColour = 0;
    // How far the glow reaches beyond the rectangle; 0 means no glow.
    qreal glowWidth = 0;
    // 0 gives a hard-edged halo; larger values fade more of its width out.
    qreal glowSoftness = 0;
    bool glowOn = false;
    Caption caption;
};

struct RichSwitchLook {
    QSizeF size;
    qreal radius = 0;
    QRgb bodyColour = 0;
    QRgb borderColour = 0xFF000000;
    qreal borderWidth = 0;
    QRectF knob;
    qreal knobRadius = 0;
    QRgb knobColour = 0xFFFFFFFF;
    // Centred in the knob.
    Caption caption;
};

// The room a rectangle needs around it for its glow, whether on or off, so
// that switching the glow does not change the painted area.
qreal glowMargin(const RichRectLook &look);

// The rectangle without its glow; paint the glow first (GlowCache).
void paintRichRect(QPainter &painter, const RichRectLook &look);
void paintRichSwitch(QPainter &painter, const RichSwitchLook &look);

// The blurred halo of a rectangle, rendered once and reused until the size,
// corner radius or glow settings change. Blurring on every paint would not
// scale to a page full of glowing buttons.
class GlowCache {
public:
    // Paints the halo under the rectangle when the look's glow is on.
    void paint(QPainter &painter, const RichRectLook &look);
    // The halo of the look; its top-left lies at (-glowMargin, -glowMargin).
    const QImage &image(const RichRectLook &look);

private:
    struct Shape {
        QSizeF size;
        qreal radius;
        QRgb colour;
        qreal width;
        qreal softness;
        bool operator==(const Shape &other) const;
    };
    static Shape shapeOf(const RichRectLook &look);

    std::optional<Shape> m_shape;
    QImage m_image;
};

} // namespace draw
