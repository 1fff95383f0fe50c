// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StoryScenes.h"

#include "EmojiArt.h"
#include "Figures.h"
#include "KittenSprite.h"
#include "PaintKit.h"
#include "Palette.h"
#include "SceneBackdrops.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using Backdrop::sceneSize;
using EmojiArt::drawEmoji;
using EmojiArt::drawEmojiMirrored;

const QColor rainCloud(128, 138, 158);
const QColor brightCloud(255, 255, 255);

QImage blankScene(int scale)
{
    return PaintKit::canvas(sceneSize, sceneSize, Qt::white, scale);
}

void groundShadow(QPainter &p, QPointF centre, qreal width)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 20, 60));
    p.drawEllipse(centre, width / 2, width / 9);
    p.restore();
}

void sunnySky(QPainter &p)
{
    Backdrop::sky(p, QColor(104, 190, 245), QColor(214, 240, 255), 185);
}

void sunnyMeadow(QPainter &p, quint32 seed)
{
    Backdrop::cloud(p, QPointF(70, 48), 84, brightCloud);
    Backdrop::cloud(p, QPointF(168, 94), 54, brightCloud);
    Backdrop::hill(p, 172, 7, 0.4, QColor(170, 222, 112), QColor(120, 194, 88));
    drawEmoji(p, QStringLiteral("🌳"), QPointF(40, 146), 62);
    drawEmoji(p, QStringLiteral("🌳"), QPointF(272, 160), 40);
    Backdrop::hill(p, 204, 5, 2.1, Palette::grassLight, Palette::grassDark);
    Backdrop::grass(p, 210, 298, 46, seed, QColor(62, 140, 52));
}

void meadowFlowers(QPainter &p)
{
    drawEmoji(p, QStringLiteral("🌼"), QPointF(38, 252), 26);
    drawEmoji(p, QStringLiteral("🌷"), QPointF(262, 244), 30);
    drawEmoji(p, QStringLiteral("🌸"), QPointF(78, 284), 22);
    drawEmoji(p, QStringLiteral("🌼"), QPointF(228, 286), 20);
    drawEmoji(p, QStringLiteral("🌷"), QPointF(20, 214), 18);
}

void rainyMeadow(QPainter &p, quint32 seed)
{
    Backdrop::sky(p, QColor(92, 110, 146), QColor(172, 190, 212), 190);
    Backdrop::hill(p, 180, 7, 1.1, QColor(130, 176, 112), QColor(92, 146, 84));
    Backdrop::hill(p, 212, 5, 2.8, QColor(112, 172, 92), QColor(70, 128, 62));
    Backdrop::grass(p, 218, 298, 40, seed, QColor(54, 110, 48));
    Backdrop::puddle(p, QPointF(54, 270), 64);
    Backdrop::puddle(p, QPointF(254, 282), 52);
}

void rainClouds(QPainter &p)
{
    Backdrop::cloud(p, QPointF(58, 34), 120, rainCloud);
    Backdrop::cloud(p, QPointF(262, 40), 110, rainCloud.lighter(108));
    Backdrop::cloud(p, QPointF(160, 22), 130, rainCloud.darker(108));
}

// Soft slanting light falling through gaps in the treetops.
void sunbeams(QPainter &p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 235, 70));
    for (qreal x : {70.0, 150.0, 215.0}) {
        p.drawPolygon(QPolygonF{QPointF(x, 0), QPointF(x + 22, 0), QPointF(x + 82, 200),
                                QPointF(x + 38, 200)});
    }
    p.restore();
}

void forest(QPainter &p, quint32 seed)
{
    Backdrop::sky(p, QColor(160, 220, 196), QColor(232, 246, 206), 180);
    PaintKit::glow(p, QPointF(150, 40), 120, QColor(255, 250, 200, 170));
    sunbeams(p);
    for (int i = 0; i < 8; ++i)
        drawEmoji(p, QStringLiteral("🌲"), QPointF(12 + i * 40, 140 + (i % 2) * 8), 62);
    Backdrop::haze(p, QColor(226, 244, 214), 120);
    Backdrop::canopy(p, seed);
    drawEmoji(p, QStringLiteral("🌳"), QPointF(44, 150), 100);
    drawEmoji(p, QStringLiteral("🌲"), QPointF(150, 140), 82);
    drawEmoji(p, QStringLiteral("🌳"), QPointF(258, 146), 104);
    Backdrop::hill(p, 206, 4, 0.9, QColor(146, 190, 86), QColor(96, 146, 62));
    Backdrop::grass(p, 210, 298, 36, seed, QColor(60, 118, 46));
    drawEmoji(p, QStringLiteral("🍄"), QPointF(30, 258), 30);
    drawEmoji(p, QStringLiteral("🍄"), QPointF(274, 238), 22);
}

// The area under the big leaf of the rabbit's shelter: no rain falls there.
QPainterPath leafShelter()
{
    QPainterPath dry;
    dry.addPolygon(QPolygonF{QPointF(44, 168), QPointF(120, 136), QPointF(206, 122),
                             QPointF(214, 300), QPointF(44, 300)});
    return dry;
}

void drawLeafUmbrella(QPainter &p)
{
    QPainterPath stem(QPointF(214, 296));
    stem.quadTo(QPointF(228, 200), QPointF(200, 132));
    p.setPen(QPen(Palette::leafDark.darker(125), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    Figures::drawLeaf(p, QPointF(204, 128), QPointF(34, 170), 104, Palette::leafLight,
                      Palette::leafDark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 248, 255, 220));
    for (const QPointF &drop : {QPointF(150, 112), QPointF(96, 128), QPointF(178, 104)})
        p.drawEllipse(drop, 2.6, 3.4);
}

void drawTreeWithBranch(QPainter &p)
{
    QLinearGradient bark(266, 0, 306, 0);
    bark.setColorAt(0, QColor(140, 96, 60));
    bark.setColorAt(1, QColor(96, 62, 40));
    p.setPen(QPen(QColor(80, 50, 32), 1.5));
    p.setBrush(bark);
    QPainterPath trunk(QPointF(262, 300));
    trunk.cubicTo(QPointF(276, 240), QPointF(268, 120), QPointF(274, -4));
    trunk.lineTo(QPointF(304, -4));
    trunk.lineTo(QPointF(304, 300));
    trunk.closeSubpath();
    p.drawPath(trunk);
    QPainterPath branch(QPointF(276, 118));
    branch.cubicTo(QPointF(250, 128), QPointF(190, 150), QPointF(96, 146));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 62, 40), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch);
    p.setPen(QPen(QColor(140, 96, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch.translated(0, -3));
    Figures::drawLeaf(p, QPointF(120, 146), QPointF(84, 176), 22, Palette::leafLight,
                      Palette::leafDark);
    Figures::drawLeaf(p, QPointF(250, 128), QPointF(268, 164), 24, Palette::leafLight,
                      Palette::leafDark);
    Figures::drawLeaf(p, QPointF(220, 136), QPointF(236, 100), 22, Palette::leafLight,
                      Palette::leafDark);
}

// The game's own kitten, as the board shows it but larger, standing on the meadow.
void drawKitten(QPainter &p, QPointF centre, qreal size)
{
    const int side = qRound(size * EmojiArt::deviceScale(p));
    EmojiArt::drawDeviceImage(p, KittenSprite::figure(KittenSprite::Pose::Standing, side), centre);
}

} // namespace

namespace StoryScenes {

QImage rabbitOnMeadow(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    sunnySky(p);
    sunnyMeadow(p, 121);
    Backdrop::sun(p, QPointF(248, 52), 66);
    meadowFlowers(p);
    groundShadow(p, QPointF(150, 270), 96);
    drawEmojiMirrored(p, QStringLiteral("🐇"), QPointF(150, 226), 110);
    drawEmoji(p, QStringLiteral("🦋"), QPointF(226, 150), 30, 12);
    return scene;
}

QImage rabbitUnderLeaf(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    rainyMeadow(p, 122);
    rainClouds(p);
    Backdrop::rain(p, QRectF(0, 40, sceneSize, 260), 150, 122, leafShelter());
    groundShadow(p, QPointF(128, 276), 98);
    drawEmojiMirrored(p, QStringLiteral("🐇"), QPointF(128, 230), 108);
    drawLeafUmbrella(p);
    return scene;
}

QImage birdInRain(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    rainyMeadow(p, 123);
    rainClouds(p);
    drawTreeWithBranch(p);
    Backdrop::rain(p, QRectF(0, 40, sceneSize, 260), 150, 123, QPainterPath());
    drawEmoji(p, QStringLiteral("🌷"), QPointF(36, 226), 28, -14);
    drawEmoji(p, QStringLiteral("🌷"), QPointF(122, 250), 24, 10);
    drawEmoji(p, QStringLiteral("🍄"), QPointF(214, 262), 26);
    drawEmoji(p, QStringLiteral("🐦"), QPointF(178, 106), 84);
    drawEmoji(p, QStringLiteral("💧"), QPointF(132, 74), 16, -20);
    drawEmoji(p, QStringLiteral("💧"), QPointF(224, 66), 13, 20);
    return scene;
}

QImage friendsInSunshine(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    sunnySky(p);
    Backdrop::rainbow(p, QPointF(150, 190), 118, 8);
    sunnyMeadow(p, 124);
    Backdrop::sun(p, QPointF(250, 50), 62);
    meadowFlowers(p);
    // The kitten in the middle with the bird it helped beside it, the rabbit on its other side,
    // all turned towards it.
    groundShadow(p, QPointF(64, 272), 80);
    drawEmojiMirrored(p, QStringLiteral("🐇"), QPointF(64, 232), 92);
    groundShadow(p, QPointF(156, 276), 96);
    drawKitten(p, QPointF(154, 232), 120);
    groundShadow(p, QPointF(232, 266), 50);
    drawEmoji(p, QStringLiteral("🐦"), QPointF(232, 238), 58);
    drawEmoji(p, QStringLiteral("💕"), QPointF(206, 150), 28);
    return scene;
}

QImage caterpillarInForest(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    forest(p, 131);
    Figures::drawLeaf(p, QPointF(52, 262), QPointF(266, 236), 78, Palette::leafLight,
                      Palette::leafDark);
    // It faces left, back along the track, the way it sends the kitten.
    drawEmoji(p, QStringLiteral("🐛"), QPointF(158, 220), 124);
    return scene;
}

QImage beeInForest(int scale)
{
    QImage scene = blankScene(scale);
    QPainter p(&scene);
    PaintKit::smooth(p);
    forest(p, 132);
    drawEmoji(p, QStringLiteral("🌸"), QPointF(66, 268), 34);
    drawEmoji(p, QStringLiteral("🌻"), QPointF(252, 252), 50);
    drawEmoji(p, QStringLiteral("🌼"), QPointF(118, 282), 26);
    QPainterPath flight(QPointF(66, 250));
    flight.cubicTo(QPointF(50, 170), QPointF(140, 230), QPointF(112, 180));
    flight.cubicTo(QPointF(96, 150), QPointF(120, 140), QPointF(140, 150));
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.5, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flight);
    // It faces right, forward along the track, the way it sends the kitten.
    drawEmojiMirrored(p, QStringLiteral("🐝"), QPointF(180, 132), 96, -10);
    return scene;
}

} // namespace StoryScenes
