// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

const QString Family = QStringLiteral("Hanzi Kitten Kai");
const QString ParentsFamily = QStringLiteral("Hanzi Kitten Kai Parents");

// Points at the 96 DPI the layout was drawn for, as pixels.
int designPixels(double points)
{
    return qRound(points * 96.0 / 72.0);
}

QFont face(double points, bool bold, qreal scale)
{
    QFont font(Family);
    font.setPixelSize(qRound(designPixels(points) * scale));
    font.setBold(bold);
    return font;
}

} // namespace

void Fonts::install()
{
    for (const QString &weight : {QStringLiteral("Regular"), QStringLiteral("Bold")})
        QFontDatabase::addApplicationFont(
            QStringLiteral(":/fonts/HanziKittenKai-%1.ttf").arg(weight));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/HanziKittenKaiParents-Regular.ttf"));
    QFont font = QApplication::font();
    font.setFamily(Family);
    QApplication::setFont(font);
}

QFont Fonts::parentText()
{
    QFont font = QApplication::font();
    font.setFamily(ParentsFamily);
    return font;
}

QFont Fonts::caption(qreal scale)
{
    return face(26.25, true, scale);
}

QFont Fonts::poemText(qreal scale)
{
    return face(15, true, scale);
}

QFont Fonts::poemAuthor(qreal scale)
{
    return face(12, false, scale);
}
