#include "GameFixture.h"

namespace {

// The board as start-up leaves it: the kitten standing on square 1 of level 1.
class BoardPainting : public GameFixture {
protected:
    QRgb pixel(QPoint at) const { return controls.Pic1->canvas().pixel(at); }
};

TEST_F(BoardPainting, showsTheSceneTheKindIconsAndTheKittenAndLeavesTheRestInTheBoardColour)
{
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(121)));
    for (int square = 2; square <= 43; ++square)
        EXPECT_EQ(boardRegion(cellOf(square)),
                  rgb32(Resources::bitmap(100 + state.squareTable[square][0])))
            << square;
    EXPECT_EQ(boardRegion(cellOf(1)), kittenOver(Resources::bitmap(104), 105, 106));
    for (QPoint p : {QPoint(0, 0), QPoint(519, 519), QPoint(10, 250), QPoint(70, 70),
                     QPoint(450, 300), QPoint(105, 415)})
        EXPECT_EQ(pixel(p), qRgb(141, 207, 244)) << p.x() << "," << p.y();
    // Square 0 is written in the ring but never placed: its cell stays empty.
    EXPECT_EQ(boardRegion({20, 420, 40, 40}), blank(40));
}

TEST_F(BoardPainting, forcedRepaintRestoresSceneIconsAndKittenButNotWhatLiesOutside)
{
    QImage stageMark(30, 30, QImage::Format_RGB32);
    stageMark.fill(Qt::red);
    controls.Pic1->clear();
    controls.Pic1->drawPicture(65, 65, stageMark);
    form.board().redrawBoard(1);
    EXPECT_EQ(scene(), rgb32(Resources::bitmap(121)));
    EXPECT_EQ(boardRegion(cellOf(7)), rgb32(Resources::bitmap(104)));
    EXPECT_EQ(boardRegion(cellOf(1)), kittenOver(Resources::bitmap(104), 105, 106));
    EXPECT_EQ(pixel({70, 70}), qRgb(255, 0, 0));
}

TEST_F(BoardPainting, walkingPoseIsPaintedOverTheRestoredIcon)
{
    form.board().drawKitten(2);
    form.board().paintSquareIcon(0, 11, 4);
    form.board().drawKitten(2);
    EXPECT_EQ(boardRegion(cellOf(1)), kittenOver(Resources::bitmap(104), 107, 108));
}

} // namespace
