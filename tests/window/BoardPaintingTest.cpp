// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardCanvas.h"
#include "Catalogue.h"
#include "Content.h"
#include "GameScreen.h"
#include "Journal.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage rgb32(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage boardOf(QWidget &widget)
{
    return rgb32(widget.findChild<BoardCanvas *>()->grab().toImage());
}

QRect cellRect(Cell cell)
{
    return {40 * cell.column + 20, 40 * cell.row + 20, 40, 40};
}

// A kitten pose as the board must show it over a picture: the mask's white keeps the picture,
// its black takes the image.
QImage kittenOver(const QImage &under, BitmapId mask, BitmapId image, int scale = 1)
{
    QImage result = rgb32(under);
    const QImage m = Resources::bitmap(mask, scale);
    const QImage i = Resources::bitmap(image, scale);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const bool figure = m.pixel(x, y) != qRgb(255, 255, 255);
            result.setPixel(x, y, figure ? i.pixel(x, y) : result.pixel(x, y));
        }
    }
    return result;
}

// At design size, and painted again from the finer pictures when the screen grows.
TEST(BoardPainting, theStartScreenShowsTheSceneEveryIconAndTheKittenAndTheBoardColourElsewhere)
{
    const Content content = Content::builtIn();
    Journal journal;
    RecordingPlatform platform(journal);
    MainWindow window(platform, content);
    for (int scale = 1; scale <= Resources::FinestPictureScale; ++scale) {
        SCOPED_TRACE(scale);
        window.findChild<GameScreen *>()->setScale(scale);
        const QImage board = boardOf(window);
        auto area = [scale](QRect design) {
            return QRect(design.topLeft() * scale, design.size() * scale);
        };
        EXPECT_EQ(board.copy(area({110, 110, 300, 300})),
                  Resources::bitmap(Bitmap::scene(1), scale));
        for (int square = 2; square <= Content::LastSquare; ++square) {
            const SquareKind kind = content.square(1, square).kind;
            EXPECT_EQ(board.copy(area(cellRect(content.cellOf(square)))),
                      Resources::bitmap(Bitmap::squareIcon(kind), scale))
                << square;
        }
        const QImage chanceIcon = Resources::bitmap(Bitmap::squareIcon(SquareKind::Chance), scale);
        EXPECT_EQ(
            board.copy(area(cellRect(content.cellOf(1)))),
            kittenOver(chanceIcon, Bitmap::StandingKittenMask, Bitmap::StandingKittenImage, scale));
        const QRgb colour = BoardCanvas::colour().rgb();
        for (QPoint p : {QPoint(0, 0), QPoint(519, 519), QPoint(10, 250), QPoint(70, 70),
                         QPoint(450, 300), QPoint(105, 415), QPoint(30, 430)})
            EXPECT_EQ(board.pixel(p * scale), colour) << p.x() << "," << p.y();
    }
}

// The kitten over a busy part of a scene, at every picture scale: exactly its figure, drawn for
// that scale, replaces what lay beneath. The board is repainted at the finer scale when the
// screen grows, and the kitten painted before is painted again there.
TEST(BoardPainting, theKittenCoversOnlyItsFigureInEitherPoseAtEveryScale)
{
    GameScreen screen;
    const QRect cell(140, 140, 40, 40); // grid cell (3, 3), over the scene's sky and a cloud
    const QPoint sceneAt(110, 110);
    for (const auto &[pose, mask, image] :
         {std::tuple{KittenPose::Standing, Bitmap::StandingKittenMask, Bitmap::StandingKittenImage},
          std::tuple{KittenPose::Walking, Bitmap::WalkingKittenMask, Bitmap::WalkingKittenImage}}) {
        screen.setScale(1);
        screen.paintScene(Bitmap::scene(1));
        screen.paintKitten({3, 3}, pose);
        for (int scale = 1; scale <= Resources::FinestPictureScale; ++scale) {
            SCOPED_TRACE(scale);
            screen.setScale(scale);
            const QRect scaledCell(cell.topLeft() * scale, cell.size() * scale);
            const QImage scene = Resources::bitmap(Bitmap::scene(1), scale);
            EXPECT_EQ(boardOf(screen).copy(scaledCell),
                      kittenOver(scene.copy(scaledCell.translated(-sceneAt * scale)), mask, image,
                                 scale));
        }
    }
}

// A walk paints the whole board again on every step, and a picture painted where it already
// lies may be left as it is; but not once something else was painted in its place or over it.
TEST(BoardPainting, aPicturePaintedAgainCoversWhatWasPaintedInItsPlaceOrOverItSince)
{
    GameScreen screen;
    const QRect sceneArea(110, 110, 300, 300);
    const QImage scene = Resources::bitmap(Bitmap::scene(1));
    screen.paintScene(Bitmap::scene(1));
    screen.paintScene(Bitmap::scene(2));
    EXPECT_EQ(boardOf(screen).copy(sceneArea), Resources::bitmap(Bitmap::scene(2)));
    screen.paintScene(Bitmap::scene(1));
    EXPECT_EQ(boardOf(screen).copy(sceneArea), scene);
    screen.paintKitten({3, 3}, KittenPose::Walking);
    screen.paintScene(Bitmap::scene(1));
    EXPECT_EQ(boardOf(screen).copy(sceneArea), scene);
}

} // namespace
