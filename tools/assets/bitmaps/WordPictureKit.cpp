#include "WordPictureKit.h"

#include "EmojiArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace WordArt {

namespace {

constexpr QRectF cardRect(1.0, 1.0, 98.0, 98.0);
constexpr qreal cardRadius = 14.0;

// The size an emoji takes once fitted into a size x size box (the glyphs are not all square).
QSizeF fittedEmojiSize(const QString &emoji, qreal size) {
    const QImage glyph = EmojiArt::emojiGlyph(emoji);
    const qreal scale = size / qMax(glyph.width(), glyph.height());
    return QSizeF(glyph.width() * scale, glyph.height() * scale);
}

} // namespace

QPainterPath cardShape() {
    QPainterPath path;
    path.addRoundedRect(cardRect, cardRadius, cardRadius);
    return path;
}

void fillCard(QPainter &p, QColor tint) {
    QLinearGradient gradient(0, 0, 0, 100);
    gradient.setColorAt(0, tint.lighter(104));
    gradient.setColorAt(1, tint.darker(103));
    p.fillPath(cardShape(), gradient);
}

void strokeCard(QPainter &p, QColor tint) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tint.darker(125), 1.6));
    p.drawPath(cardShape());
    p.restore();
}

void drawGroundShadow(QPainter &p, QPointF centre, qreal width) {
    const qreal height = width * 0.16;
    QRadialGradient gradient(centre, width / 2);
    gradient.setColorAt(0, QColor(60, 40, 20, 70));
    gradient.setColorAt(1, QColor(60, 40, 20, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.translate(centre);
    p.scale(1.0, height / width);
    p.drawEllipse(QPointF(0, 0), width / 2, width / 2);
    p.restore();
}

void drawEmojiOnGround(QPainter &p, const QString &emoji, qreal centreX, qreal groundY,
                       qreal size) {
    const QSizeF fitted = fittedEmojiSize(emoji, size);
    drawGroundShadow(p, QPointF(centreX, groundY), fitted.width() * 0.9);
    EmojiArt::drawEmoji(p, emoji, QPointF(centreX, groundY - fitted.height() / 2), size);
}

QImage hueShiftedEmoji(const QString &emoji, int hueDegrees) {
    QImage image = EmojiArt::emojiGlyph(emoji).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QColor colour = QColor::fromRgba(row[x]);
            if (colour.alpha() == 0 || colour.hsvHue() < 0)
                continue;
            colour.setHsv((colour.hsvHue() + hueDegrees) % 360, colour.hsvSaturation(),
                          colour.value(), colour.alpha());
            row[x] = colour.rgba();
        }
    }
    return image;
}

void drawFittedImage(QPainter &p, const QImage &image, QPointF centre, qreal size) {
    const qreal scale = size / qMax(image.width(), image.height());
    const QSizeF fitted(image.width() * scale, image.height() * scale);
    const qreal deviceScale = qSqrt(qAbs(p.deviceTransform().determinant()));
    const QImage smooth = image.scaled((fitted * deviceScale).toSize(), Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation);
    p.drawImage(QRectF(centre - QPointF(fitted.width() / 2, fitted.height() / 2), fitted), smooth);
}

QColor outlineFor(QColor fill) {
    return fill.darker(165);
}

void drawRoundedBox(QPainter &p, const QRectF &box, qreal radius, QColor fill, qreal penWidth) {
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(outlineFor(fill), penWidth));
    p.drawRoundedRect(box, radius, radius);
    p.restore();
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &brush, QColor outline,
                  qreal penWidth) {
    p.save();
    p.setBrush(brush);
    p.setPen(QPen(outline, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QPainterPath polygonPath(const QPolygonF &polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

} // namespace WordArt
