#include "Board.h"
#include "BoardView.h"
#include "Form1.h"
#include "RecordingPlatform.h"
#include "Resources.h"

#include <gtest/gtest.h>

namespace {

const QRgb BoardColour = qRgb(141, 207, 244);

class BoardPainting : public ::testing::Test {
protected:
    RecordingPlatform platform;
    Form1 form{platform};
    GameState &state = form.state();
    const QImage &canvas() { return form.controls().Pic1->canvas(); }

    // The board pixels at rect, as an image of their own.
    QImage region(QRect rect) { return canvas().copy(rect).convertToFormat(QImage::Format_RGB32); }
    static QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

    QImage expectedKittenOn(const QImage &under, int mask, int image)
    {
        QImage result = rgb32(under);
        const QImage m = rgb32(Resources::bitmap(mask));
        const QImage i = rgb32(Resources::bitmap(image));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                result.setPixel(x, y, ((result.pixel(x, y) & m.pixel(x, y)) ^ i.pixel(x, y)) | 0xff000000);
        return result;
    }

    static QRect cell(int col, int row) { return {40 * col + 20, 40 * row + 20, 40, 40}; }
};

TEST_F(BoardPainting, showsTheLevelSceneInTheMiddleOfTheRing)
{
    EXPECT_EQ(region({110, 110, 300, 300}), rgb32(Resources::bitmap(121)));
}

TEST_F(BoardPainting, showsEachSquaresKindIconInItsCell)
{
    for (int square = 2; square <= 43; ++square) {
        SCOPED_TRACE(square);
        const int kind = state.squareTable[square][0];
        EXPECT_EQ(region(cell(state.squareCol[square], state.squareRow[square])),
                  rgb32(Resources::bitmap(100 + kind)));
    }
}

TEST_F(BoardPainting, paintsTheStandingKittenOverTheIconOfSquareOne)
{
    EXPECT_EQ(region(cell(0, 11)), expectedKittenOn(Resources::bitmap(104), 105, 106));
}

TEST_F(BoardPainting, leavesTheBoardColourOutsideSceneAndIcons)
{
    for (QPoint p : {QPoint(0, 0), QPoint(519, 519), QPoint(10, 250), QPoint(70, 70),
                     QPoint(450, 300), QPoint(105, 415)})
        EXPECT_EQ(canvas().pixel(p), BoardColour) << p.x() << "," << p.y();
    // Square 0 is written in the ring but never placed: its cell stays empty.
    QImage empty(40, 40, QImage::Format_RGB32);
    empty.fill(BoardColour);
    EXPECT_EQ(region(cell(0, 10)), empty);
}

TEST_F(BoardPainting, forcedRepaintRestoresSceneIconsAndKittenButNotWhatLiesOutside)
{
    QImage stageMark(30, 30, QImage::Format_RGB32);
    stageMark.fill(Qt::red);
    form.controls().Pic1->clear();
    form.controls().Pic1->drawPicture(65, 65, stageMark);
    form.board().redrawBoard(1);
    EXPECT_EQ(region({110, 110, 300, 300}), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(region(cell(0, 11)), expectedKittenOn(Resources::bitmap(104), 105, 106));
    EXPECT_EQ(canvas().pixel(70, 70), qRgb(255, 0, 0));
}

TEST_F(BoardPainting, walkingPoseIsPaintedOverTheRestoredIcon)
{
    form.board().drawKitten(2);
    form.board().paintSquareIcon(0, 11, 4);
    form.board().drawKitten(2);
    EXPECT_EQ(region(cell(0, 11)), expectedKittenOn(Resources::bitmap(104), 107, 108));
}

} // namespace
