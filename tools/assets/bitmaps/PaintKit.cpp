// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintKit.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace PaintKit {

QImage canvas(int width, int height, const QColor &background, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    return image;
}

QImage layer(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage outlined(const QImage &figure, const QColor &colour, qreal width)
{
    QImage shadow = figure;
    {
        QPainter tint(&shadow);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(shadow.rect(), colour);
    }
    QImage result = layer(figure.width(), figure.height());
    QPainter p(&result);
    smooth(p);
    // Stamping the tinted silhouette around a circle widens it evenly in every direction.
    constexpr int stamps = 24;
    for (int i = 0; i < stamps; ++i) {
        const qreal angle = 2 * M_PI * i / stamps;
        p.drawImage(QPointF(width * qCos(angle), width * qSin(angle)), shadow);
    }
    p.drawImage(0, 0, figure);
    return result;
}

void glow(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    QRadialGradient light(centre, radius);
    light.setColorAt(0, colour);
    QColor edge = colour;
    edge.setAlpha(0);
    light.setColorAt(1, edge);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QFont boldFont(qreal pixelSize)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        if (id < 0)
            qFatal("DejaVu Sans Bold is missing: install the Debian package fonts-dejavu-core");
        return QFontDatabase::applicationFontFamilies(id).value(0);
    }();
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

qreal Scatter::between(qreal low, qreal high)
{
    state = state * 1664525u + 1013904223u;
    return low + (high - low) * (state >> 8) / qreal(1u << 24);
}

} // namespace PaintKit
