// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordPictureKit.h"

#include "EmojiArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace WordArt {

namespace {

constexpr QRectF cardRect(1.0, 1.0, 98.0, 98.0);
constexpr qreal cardRadius = 14.0;
// The emoji's outline, as wide as the pens of the drawn pictures (in logical units), and how
// much it sharpens the glyph's inner edges, which downscaling blurs.
constexpr qreal emojiOutline = 1.7;
constexpr qreal emojiSharpening = 0.6;

// The image (any ARGB format, at device resolution) with its colours sharpened a little and
// a dark ring, outlinePixels wide, around its opaque shape, padded to make room for the ring.
// The ring takes the colour of the glyph's nearby edge, darkened, as the drawn pictures
// outline each shape in a darker shade of its own fill.
QImage outlined(const QImage &image, qreal outlinePixels)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int pad = qCeil(outlinePixels) + 1;
    const int reach = qCeil(outlinePixels + 0.5);
    auto pixel = [&src, pad](int x, int y) -> QRgb {
        x -= pad, y -= pad;
        return x < 0 || y < 0 || x >= src.width() || y >= src.height() ? 0 : src.pixel(x, y);
    };
    QImage out(src.width() + 2 * pad, src.height() + 2 * pad, QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb centre = pixel(x, y);
            // Unsharp mask over the 3 x 3 neighbourhood, on the colour channels only.
            qreal rgb[3] = {qreal(qRed(centre)), qreal(qGreen(centre)), qreal(qBlue(centre))};
            if (qAlpha(centre) > 0) {
                qreal mean[3] = {0, 0, 0}, weight = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QRgb n = pixel(x + dx, y + dy);
                        const qreal a = qAlpha(n) / 255.0;
                        mean[0] += qRed(n) * a, mean[1] += qGreen(n) * a, mean[2] += qBlue(n) * a;
                        weight += a;
                    }
                for (int c = 0; c < 3; ++c)
                    rgb[c] =
                        qBound(0.0, rgb[c] + emojiSharpening * (rgb[c] - mean[c] / weight), 255.0);
            }
            // The ring: the glyph's alpha spread by the outline width, antialiased by distance.
            qreal ring = 0, edge[3] = {0, 0, 0}, edgeWeight = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const QRgb n = pixel(x + dx, y + dy);
                    const qreal cover = qBound(0.0, outlinePixels + 0.5 - qHypot(dx, dy), 1.0);
                    // Only the solid body is ringed, not a faint glow around it.
                    const qreal a = qBound(0.0, (qAlpha(n) / 255.0 - 0.25) / 0.4, 1.0) * cover;
                    ring = qMax(ring, a);
                    edge[0] += qRed(n) * a, edge[1] += qGreen(n) * a, edge[2] += qBlue(n) * a;
                    edgeWeight += a;
                }
            const QColor ringColour =
                edgeWeight > 0 ? QColor(qRound(edge[0] / edgeWeight), qRound(edge[1] / edgeWeight),
                                        qRound(edge[2] / edgeWeight))
                                     .darker(300)
                               : QColor(Qt::black);
            // The glyph over its ring.
            const qreal a = qAlpha(centre) / 255.0, under = ring * (1 - a), total = a + under;
            if (total <= 0) {
                out.setPixel(x, y, 0);
                continue;
            }
            const qreal ringRgb[3] = {qreal(ringColour.red()), qreal(ringColour.green()),
                                      qreal(ringColour.blue())};
            int mixed[3];
            for (int c = 0; c < 3; ++c)
                mixed[c] = qRound((rgb[c] * a + ringRgb[c] * under) / total);
            out.setPixel(x, y, qRgba(mixed[0], mixed[1], mixed[2], qRound(total * 255)));
        }
    }
    return out;
}

// The size an emoji takes once fitted into a size x size box (the glyphs are not all square).
QSizeF fittedEmojiSize(const QString &emoji, qreal size)
{
    const QImage glyph = EmojiArt::emojiGlyph(emoji);
    const qreal scale = size / qMax(glyph.width(), glyph.height());
    return QSizeF(glyph.width() * scale, glyph.height() * scale);
}

} // namespace

QPainterPath cardShape()
{
    QPainterPath path;
    path.addRoundedRect(cardRect, cardRadius, cardRadius);
    return path;
}

void fillCard(QPainter &p, QColor tint)
{
    QLinearGradient gradient(0, 0, 0, 100);
    gradient.setColorAt(0, tint.lighter(104));
    gradient.setColorAt(1, tint.darker(103));
    p.fillPath(cardShape(), gradient);
}

void strokeCard(QPainter &p, QColor tint)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tint.darker(125), 1.6));
    p.drawPath(cardShape());
    p.restore();
}

void drawGroundShadow(QPainter &p, QPointF centre, qreal width)
{
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

void drawEmojiOnGround(QPainter &p, const QString &emoji, qreal centreX, qreal groundY, qreal size)
{
    const QSizeF fitted = fittedEmojiSize(emoji, size);
    drawGroundShadow(p, QPointF(centreX, groundY), fitted.width() * 0.9);
    drawOutlinedEmoji(p, emoji, QPointF(centreX, groundY - fitted.height() / 2), size);
}

void drawOutlinedEmoji(QPainter &p, const QString &emoji, QPointF centre, qreal size,
                       qreal rotationDegrees)
{
    const qreal scale = EmojiArt::deviceScale(p);
    EmojiArt::drawDeviceImage(
        p, outlined(EmojiArt::fittedGlyph(emoji, size * scale), emojiOutline * scale), centre,
        rotationDegrees);
}

QImage hueShiftedEmoji(const QString &emoji, int hueDegrees)
{
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

void drawFittedImage(QPainter &p, const QImage &image, QPointF centre, qreal size)
{
    const qreal scale = EmojiArt::deviceScale(p);
    const int side = qMax(1, qRound(size * scale));
    const QImage smooth = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    EmojiArt::drawDeviceImage(p, outlined(smooth, emojiOutline * scale), centre);
}

QColor outlineFor(QColor fill)
{
    return fill.darker(165);
}

void drawRoundedBox(QPainter &p, const QRectF &box, qreal radius, QColor fill, qreal penWidth)
{
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(outlineFor(fill), penWidth));
    p.drawRoundedRect(box, radius, radius);
    p.restore();
}

void fillOutlined(QPainter &p, const QPainterPath &path, const QBrush &brush, QColor outline,
                  qreal penWidth)
{
    p.save();
    p.setBrush(brush);
    p.setPen(QPen(outline, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QPainterPath polygonPath(const QPolygonF &polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

} // namespace WordArt
