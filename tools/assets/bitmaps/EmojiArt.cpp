// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmojiArt.h"

#include <QFont>
#include <QHash>
#include <QtMath>

namespace {

// Noto Color Emoji holds bitmaps drawn at 109 pixels per em; rendering at exactly that size
// avoids any resampling inside the font engine, so all scaling happens in one smooth step here.
constexpr int nativePixelSize = 109;
constexpr int canvasSize = 3 * nativePixelSize;

QImage renderNative(const QString &emoji)
{
    QImage canvas(canvasSize, canvasSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(nativePixelSize);
    QPainter p(&canvas);
    p.setFont(font);
    p.drawText(QRect(0, 0, canvasSize, canvasSize), Qt::AlignCenter, emoji);
    return canvas;
}

QRect visibleBounds(const QImage &image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    Q_ASSERT(right >= 0);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The mean of the premultiplied channels over a (2 radius + 1) square around each pixel.
QImage boxBlurred(const QImage &image, int radius)
{
    QImage result(image.size(), image.format());
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int sum[4] = {0, 0, 0, 0}, count = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                const int yy = qBound(0, y + dy, h - 1);
                const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(yy));
                for (int dx = -radius; dx <= radius; ++dx) {
                    const QRgb p = row[qBound(0, x + dx, w - 1)];
                    sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
                    ++count;
                }
            }
            out[x] = qRgba(sum[0] / count, sum[1] / count, sum[2] / count, sum[3] / count);
        }
    }
    return result;
}

// An enlarged glyph with its edges brought back to about a pixel's width (an unsharp mask as
// wide as the enlargement spread them), colour and outline alike.
QImage sharpened(const QImage &enlarged, qreal enlargement)
{
    const QImage image = enlarged.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage blurred = boxBlurred(image, qMax(1, qRound(enlargement / 2)));
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *soft = reinterpret_cast<const QRgb *>(blurred.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            auto lift = [](int value, int blur) { return qBound(0, 2 * value - blur, 255); };
            const int alpha = lift(qAlpha(in[x]), qAlpha(soft[x]));
            // Premultiplied colour never exceeds its alpha.
            out[x] = qRgba(qMin(lift(qRed(in[x]), qRed(soft[x])), alpha),
                           qMin(lift(qGreen(in[x]), qGreen(soft[x])), alpha),
                           qMin(lift(qBlue(in[x]), qBlue(soft[x])), alpha), alpha);
        }
    }
    return result;
}

// The glyph fitted for the painter. The finer variants of the pictures need emoji larger than
// the font's bitmaps, so there the enlarged glyph's edges are sharpened again; the designed
// pictures stay as they were first drawn.
QImage glyphFor(const QPainter &p, const QString &emoji, qreal size)
{
    const qreal devicePixels = size * EmojiArt::deviceScale(p);
    const QImage fitted = EmojiArt::fittedGlyph(emoji, devicePixels);
    const QImage glyph = EmojiArt::emojiGlyph(emoji);
    const qreal enlargement = devicePixels / qMax(glyph.width(), glyph.height());
    const bool finerVariant = p.device()->devicePixelRatio() > 1;
    return finerVariant && enlargement > 1 ? sharpened(fitted, enlargement) : fitted;
}

} // namespace

namespace EmojiArt {

qreal deviceScale(const QPainter &p)
{
    return qSqrt(qAbs(p.deviceTransform().determinant()));
}

QImage fittedGlyph(const QString &emoji, qreal devicePixels)
{
    const QImage glyph = emojiGlyph(emoji);
    const int side = qMax(1, qRound(devicePixels));
    return glyph.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void drawDeviceImage(QPainter &p, const QImage &image, QPointF centre, qreal rotationDegrees)
{
    const qreal scale = deviceScale(p);
    const QSizeF logical(image.width() / scale, image.height() / scale);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(centre);
    p.rotate(rotationDegrees);
    p.drawImage(QRectF(QPointF(-logical.width() / 2, -logical.height() / 2), logical), image);
    p.restore();
}

QImage emojiGlyph(const QString &emoji)
{
    static QHash<QString, QImage> cache;
    const auto found = cache.constFind(emoji);
    if (found != cache.constEnd())
        return *found;
    const QImage canvas = renderNative(emoji);
    const QImage glyph = canvas.copy(visibleBounds(canvas));
    cache.insert(emoji, glyph);
    return glyph;
}

QImage renderEmoji(const QString &emoji, int size)
{
    QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    const QImage glyph = fittedGlyph(emoji, size);
    QPainter p(&square);
    p.drawImage((size - glyph.width()) / 2, (size - glyph.height()) / 2, glyph);
    return square;
}

void drawEmoji(QPainter &p, const QString &emoji, QPointF centre, qreal size, qreal rotationDegrees)
{
    drawDeviceImage(p, glyphFor(p, emoji, size), centre, rotationDegrees);
}

void drawEmojiMirrored(QPainter &p, const QString &emoji, QPointF centre, qreal size,
                       qreal rotationDegrees)
{
    const QImage glyph = glyphFor(p, emoji, size).mirrored(true, false);
    drawDeviceImage(p, glyph, centre, rotationDegrees);
}

} // namespace EmojiArt
