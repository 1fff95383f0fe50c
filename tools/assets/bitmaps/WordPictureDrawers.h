// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

// One function per word picture. Each draws on the logical 100 x 100 canvas, over the card that
// has already been filled and clipped, so a scene may paint the whole card.
namespace WordArt {

// Objects shown with colour emoji (WordPicturesEmoji.cpp).
void drawBag(QPainter &p);
void drawCake(QPainter &p);
void drawTelephone(QPainter &p);
void drawComputer(QPainter &p);
void drawRiceBowl(QPainter &p);
void drawGiftBox(QPainter &p);
void drawHat(QPainter &p);
void drawBread(QPainter &p);
void drawLeatherShoes(QPainter &p);
void drawBalloons(QPainter &p);
void drawPencil(QPainter &p);
void drawBroom(QPainter &p);
void drawGloves(QPainter &p);
void drawBook(QPainter &p);
void drawSocks(QPainter &p);
void drawClock(QPainter &p);

// Clothes, and a watch worn on a wrist, drawn from shapes (WordPicturesClothes.cpp).
void drawOvercoat(QPainter &p);
void drawShortSkirt(QPainter &p);
void drawSweater(QPainter &p);
void drawWristwatch(QPainter &p);

// Things about the home drawn from shapes (WordPicturesHousehold.cpp).
void drawPiano(QPainter &p);
void drawJelly(QPainter &p);
void drawCandle(QPainter &p);
void drawGlassOfWater(QPainter &p);
void drawDeskLamp(QPainter &p);
void drawSofa(QPainter &p);

// Toys and a money jar drawn from shapes (WordPicturesToys.cpp).
void drawMoneyJar(QPainter &p);
void drawDoll(QPainter &p);

// Places: the house outside and three rooms inside (WordPicturesPlaces.cpp).
void drawKitchen(QPainter &p);
void drawHouse(QPainter &p);
void drawLivingRoom(QPainter &p);
void drawBedroom(QPainter &p);

} // namespace WordArt
