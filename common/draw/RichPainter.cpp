#include "draw/RichPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <tuple>
#include <vector>

namespace draw {

namespace {

// A stroke is centred on the outline, so the outline is inset by half the
// border width to keep the border inside the object's bounds.
QRectF outlineOf(const QSizeF &size, qreal borderWidth) {
    const qreal half = borderWidth > 0 ? borderWidth / 2 : 0;
    return QRectF(QPointF(0, 0), size).adjusted(half, half, -half, -half);
}

QBrush fillOf(const RichRectLook &look, const QRectF &outline) {
    if (!look.gradientEnd)
        return QColor::fromRgba(look.fillColour);
    QLinearGradient gradient(outline.topLeft(), outline.bottomLeft());
    gradient.setColorAt(0, QColor::fromRgba(look.fillColour));
    gradient.setColorAt(1, QColor::fromRgba(*look.gradientEnd));
    return gradient;
}

void drawBorder(QPainter &painter, const QRectF &outline, qreal radius, QRgb colour, qreal width,
                unsigned sides) {
    if (width <= 0 || sides == 0)
        return;
    painter.setPen(QPen(QColor::fromRgba(colour), width, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    if (sides == AllSides) {
        painter.drawRoundedRect(outline, radius, radius);
        return;
    }
    // Lines that meet at a corner reach its outer edge so the corner is closed.
    const qreal half = width / 2;
    const QRectF reach = outline.adjusted(-half, -half, half, half);
    if (sides & SideTop)
        painter.drawLine(QPointF(reach.left(), outline.top()),
                         QPointF(reach.right(), outline.top()));
    if (sides & SideBottom)
        painter.drawLine(QPointF(reach.left(), outline.bottom()),
                         QPointF(reach.right(), outline.bottom()));
    if (sides & SideLeft)
        painter.drawLine(QPointF(outline.left(), reach.top()),
                         QPointF(outline.left(), reach.bottom()));
    if (sides & SideRight)
        painter.drawLine(QPointF(outline.right(), reach.top()),
                         QPointF(outline.right(), reach.bottom()));
}

void drawCaption(QPainter &painter, const QRectF &box, const Caption &caption) {
    if (caption.text.isEmpty() || caption.pixelSize <= 0)
        return;
    QFont font = painter.font();
    if (!caption.family.isEmpty())
        font.setFamily(caption.family);
    font.setPixelSize(caption.pixelSize);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(caption.colour));
    const int flags = Qt::AlignCenter | (caption.wordWrap ? Qt::TextWordWrap : 0);
    painter.drawText(box, flags, caption.text);
}

// One box-filter pass along a line of count values spaced stride bytes apart.
// Values beyond the ends count as 0: the halo image has a clear margin.
void boxPass(uchar *line, qsizetype stride, int count, int radius, std::vector<int> &buffer) {
    buffer.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        buffer[size_t(i)] = line[i * stride];
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = 0; i <= radius && i < count; ++i)
        sum += buffer[size_t(i)];
    for (int i = 0; i < count; ++i) {
        line[i * stride] = uchar((sum + window / 2) / window);
        if (i + radius + 1 < count)
            sum += buffer[size_t(i + radius + 1)];
        if (i - radius >= 0)
            sum -= buffer[size_t(i - radius)];
    }
}

// Three separable box passes come close to a Gaussian blur of 3 x radius.
void blurAlpha(QImage &alpha, int radius) {
    std::vector<int> buffer;
    uchar *bits = alpha.bits();
    const qsizetype stride = alpha.bytesPerLine();
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < alpha.height(); ++y)
            boxPass(bits + y * stride, 1, alpha.width(), radius, buffer);
        for (int x = 0; x < alpha.width(); ++x)
            boxPass(bits + x, stride, alpha.height(), radius, buffer);
    }
}

QImage colourise(const QImage &alpha, QRgb colour) {
    QImage image(alpha.size(), QImage::Format_ARGB32_Premultiplied);
    const int baseAlpha = qAlpha(colour);
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar *in = alpha.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < alpha.width(); ++x)
            out[x] = qPremultiply(
                qRgba(qRed(colour), qGreen(colour), qBlue(colour), baseAlpha * in[x] / 255));
    }
    return image;
}

} // namespace

qreal glowMargin(const RichRectLook &look) {
    return look.glowWidth > 0 ? std::ceil(look.glowWidth) + 1 : 0;
}

void paintRichRect(QPainter &painter, const RichRectLook &look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = outlineOf(look.size, look.borderWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fillOf(look, outline));
    painter.drawRoundedRect(outline, look.radius, look.radius);
    drawBorder(painter, outline, look.radius, look.borderColour, look.borderWidth, look.sides);
    drawCaption(painter, QRectF(QPointF(0, 0), look.size), look.caption);
    painter.restore();
}

void paintRichSwitch(QPainter &painter, const RichSwitchLook &look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = outlineOf(look.size, look.borderWidth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(look.bodyColour));
    painter.drawRoundedRect(outline, look.radius, look.radius);
    drawBorder(painter, outline, look.radius, look.borderColour, look.borderWidth, AllSides);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(look.knobColour));
    painter.drawRoundedRect(look.knob, look.knobRadius, look.knobRadius);
    drawCaption(painter, look.knob, look.caption);
    painter.restore();
}

bool GlowCache::Shape::operator==(const Shape &other) const {
    return std::tie(size, radius, colour, width, softness) ==
           std::tie(other.size, other.radius, other.colour, other.width, other.softness);
}

GlowCache::Shape GlowCache::shapeOf(const RichRectLook &look) {
    return {look.size, look.radius, look.glowColour, look.glowWidth, look.glowSoftness};
}

void GlowCache::paint(QPainter &painter, const RichRectLook &look) {
    if (!look.glowOn || look.glowWidth <= 0)
        return;
    const qreal margin = glowMargin(look);
    painter.drawImage(QPointF(-margin, -margin), image(look));
}

const QImage &GlowCache::image(const RichRectLook &look) {
    const Shape shape = shapeOf(look);
    if (m_shape && *m_shape == shape)
        return m_image;
    m_shape = shape;

    // The halo keeps its full strength for the first part of its width and
    // fades out over the rest; more softness means a longer fade.
    const qreal margin = glowMargin(look);
    const qreal softness = std::max<qreal>(shape.softness, 0);
    const qreal fade = shape.width * softness / (softness + 1);
    const qreal grow = shape.width - fade / 2;

    QImage alpha(int(std::ceil(shape.size.width() + 2 * margin)),
                 int(std::ceil(shape.size.height() + 2 * margin)), QImage::Format_Alpha8);
    alpha.fill(0);
    {
        QPainter painter(&alpha);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        const QRectF grown =
            QRectF(QPointF(margin, margin), shape.size).adjusted(-grow, -grow, grow, grow);
        painter.drawRoundedRect(grown, shape.radius + grow, shape.radius + grow);
    }
    const int blurRadius = qRound(fade / 6);
    if (blurRadius > 0)
        blurAlpha(alpha, blurRadius);
    m_image = colourise(alpha, shape.colour);
    return m_image;
}

} // namespace draw
