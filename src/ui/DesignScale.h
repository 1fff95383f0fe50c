// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtGlobal>

// The game is laid out in design pixels: the 625 x 521 window it was drawn for. Shown larger,
// every position and size is that many design pixels times one scale, rounded to whole widget
// pixels, so everything grows together and stays where it belongs.
namespace DesignScale {

inline int scaled(int designPixels, qreal scale)
{
    return qRound(designPixels * scale);
}

inline QPoint scaled(QPoint design, qreal scale)
{
    return {scaled(design.x(), scale), scaled(design.y(), scale)};
}

inline QSize scaled(QSize design, qreal scale)
{
    return {scaled(design.width(), scale), scaled(design.height(), scale)};
}

inline QRect scaled(const QRect &design, qreal scale)
{
    return {scaled(design.topLeft(), scale), scaled(design.size(), scale)};
}

} // namespace DesignScale
