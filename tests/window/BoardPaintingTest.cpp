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
QImage kittenOver(const QImage &under, int mask, int image)
{
    QImage result = rgb32(under);
    const QImage m = rgb32(Resources::bitmap(mask));
    const QImage i = rgb32(Resources::bitmap(image));
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const bool figure = m.pixel(x, y) != qRgb(255, 255, 255);
            result.setPixel(x, y, figure ? i.pixel(x, y) : result.pixel(x, y));
        }
    }
    return result;
}

TEST(BoardPainting, theStartScreenShowsTheSceneEveryIconAndTheKittenAndTheBoardColourElsewhere)
{
    const Content content = Content::builtIn();
    Journal journal;
    RecordingPlatform platform(journal);
    MainWindow window(platform, content);
    const QImage board = boardOf(window);
    EXPECT_EQ(board.copy(110, 110, 300, 300), rgb32(Resources::bitmap(Bitmap::scene(1))));
    for (int square = 2; square <= Content::LastSquare; ++square) {
        const SquareKind kind = content.square(1, square).kind;
        EXPECT_EQ(board.copy(cellRect(content.cellOf(square))),
                  rgb32(Resources::bitmap(Bitmap::squareIcon(kind))))
            << square;
    }
    const QImage chanceIcon = Resources::bitmap(Bitmap::squareIcon(SquareKind::Chance));
    EXPECT_EQ(board.copy(cellRect(content.cellOf(1))),
              kittenOver(chanceIcon, Bitmap::StandingKittenMask, Bitmap::StandingKittenImage));
    const QRgb colour = BoardCanvas::colour().rgb();
    for (QPoint p : {QPoint(0, 0), QPoint(519, 519), QPoint(10, 250), QPoint(70, 70),
                     QPoint(450, 300), QPoint(105, 415), QPoint(30, 430)})
        EXPECT_EQ(board.pixel(p), colour) << p.x() << "," << p.y();
}

// The walking kitten over a random background: exactly its figure replaces what lay beneath.
TEST(BoardPainting, theKittenCoversOnlyItsFigureInEitherPose)
{
    GameScreen screen;
    QImage noise(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y * 7) % 256, (y * 53) % 256));
    for (const auto &[pose, mask, image] :
         {std::tuple{KittenPose::Standing, Bitmap::StandingKittenMask, Bitmap::StandingKittenImage},
          std::tuple{KittenPose::Walking, Bitmap::WalkingKittenMask, Bitmap::WalkingKittenImage}}) {
        screen.findChild<BoardCanvas *>()->paintPicture({60, 140}, noise);
        screen.paintKitten({1, 3}, pose);
        EXPECT_EQ(boardOf(screen).copy(60, 140, 40, 40), kittenOver(noise, mask, image));
    }
}

} // namespace
