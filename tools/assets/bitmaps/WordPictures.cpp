// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordPictures.h"

#include "PaintKit.h"
#include "WordPictureDrawers.h"
#include "WordPictureKit.h"

#include <array>

namespace {

using namespace WordArt;

// The pictures are shown on the board's sky-blue background, so the corners outside the
// rounded card take that colour and the card seems to lie on the board.
const QColor boardBlue(141, 207, 244);

struct WordPictureRecipe {
    int pixels;
    QColor tint;
    void (*draw)(QPainter &);
};

const std::array<WordPictureRecipe, 32> &recipes()
{
    static const std::array<WordPictureRecipe, 32> table{{
        {80, Tint::lemon, drawKitchen},      // 0 厨房
        {80, Tint::sky, drawOvercoat},       // 1 大衣
        {80, Tint::lemon, drawBag},          // 2 袋子
        {80, Tint::mint, drawCake},          // 3 蛋糕
        {80, Tint::lemon, drawTelephone},    // 4 电话
        {90, Tint::peach, drawComputer},     // 5 电脑
        {80, Tint::mint, drawShortSkirt},    // 6 短裙
        {80, Tint::peach, drawRiceBowl},     // 7 饭碗
        {80, Tint::sky, drawHouse},          // 8 房屋
        {90, Tint::lemon, drawPiano},        // 9 钢琴
        {80, Tint::lemon, drawJelly},        // 10 果冻
        {80, Tint::cream, drawLivingRoom},   // 11 客厅
        {80, Tint::lilac, drawCandle},       // 12 蜡烛
        {80, Tint::sky, drawGiftBox},        // 13 礼盒
        {80, Tint::cream, drawSweater},      // 14 毛衣
        {80, Tint::sky, drawHat},            // 15 帽子
        {80, Tint::mint, drawBread},         // 16 面包
        {80, Tint::lemon, drawLeatherShoes}, // 17 皮鞋
        {80, Tint::sky, drawBalloons},       // 18 气球
        {80, Tint::mint, drawPencil},        // 19 铅笔
        {80, Tint::mint, drawMoneyJar},      // 20 钱罐
        {90, Tint::sky, drawBroom},          // 21 扫帚
        {90, Tint::peach, drawSofa},         // 22 沙发
        {80, Tint::lilac, drawWristwatch},   // 23 手表
        {80, Tint::peach, drawGloves},       // 24 手套
        {80, Tint::lemon, drawBook},         // 25 书本
        {80, Tint::peach, drawGlassOfWater}, // 26 水杯
        {80, Tint::lilac, drawDeskLamp},     // 27 台灯
        {80, Tint::mint, drawDoll},          // 28 娃娃
        {80, Tint::lilac, drawSocks},        // 29 袜子
        {80, Tint::lilac, drawBedroom},      // 30 卧室
        {80, Tint::mint, drawClock},         // 31 钟表
    }};
    return table;
}

} // namespace

QImage drawWordPicture(int wordNumber, int scale)
{
    const WordPictureRecipe &recipe = recipes().at(static_cast<std::size_t>(wordNumber));
    QImage image = PaintKit::canvas(recipe.pixels, recipe.pixels, boardBlue, scale);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(recipe.pixels / 100.0, recipe.pixels / 100.0);
    fillCard(p, recipe.tint);
    p.save();
    p.setClipPath(cardShape());
    recipe.draw(p);
    p.restore();
    strokeCard(p, recipe.tint);
    return image;
}
