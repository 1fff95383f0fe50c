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
    drawDeviceImage(p, fittedGlyph(emoji, size * deviceScale(p)), centre, rotationDegrees);
}

void drawEmojiMirrored(QPainter &p, const QString &emoji, QPointF centre, qreal size,
                       qreal rotationDegrees)
{
    const QImage glyph = fittedGlyph(emoji, size * deviceScale(p)).mirrored(true, false);
    drawDeviceImage(p, glyph, centre, rotationDegrees);
}

} // namespace EmojiArt
