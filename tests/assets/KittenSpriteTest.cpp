#include "BoardView.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <random>

namespace {

QImage frame(int id) { return Resources::bitmap(id).convertToFormat(QImage::Format_RGB32); }

class KittenSprite : public ::testing::TestWithParam<int> {};

// Painting the mask with AND and the image with XOR leaves exactly the kitten over any
// background: white mask pixels keep the background (and the image is black there, so XOR
// changes nothing), black mask pixels clear it for the image.
TEST_P(KittenSprite, maskIsABlackSilhouetteOnWhiteAndImageIsBlackOutsideItSoAndThenXorIsExact)
{
    const QImage mask = frame(GetParam());
    const QImage image = frame(GetParam() + 1);
    ASSERT_EQ(mask.size(), QSize(40, 40));
    ASSERT_EQ(image.size(), QSize(40, 40));
    int figurePixels = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == qRgb(0, 0, 0) || m == qRgb(255, 255, 255)) << x << "," << y;
            if (m == qRgb(255, 255, 255))
                EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            else
                ++figurePixels;
        }
    }
    EXPECT_GT(figurePixels, 200);
    EXPECT_LT(figurePixels, 1400);
}

TEST_P(KittenSprite, paintedOnTheBoardWithAndThenXorLeavesExactlyTheKittenOverAnyBackground)
{
    const QImage mask = frame(GetParam());
    const QImage image = frame(GetParam() + 1);
    QImage background(40, 40, QImage::Format_RGB32);
    std::mt19937 generator(GetParam());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            background.setPixel(x, y, qRgb(generator() % 256, generator() % 256, generator() % 256));
    BoardView board;
    board.drawPicture(0, 0, background);
    board.drawPicture(0, 0, mask, BoardView::RasterOp::And);
    board.drawPicture(0, 0, image, BoardView::RasterOp::Xor);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(board.canvas().pixel(x, y), mask.pixel(x, y) == qRgb(255, 255, 255)
                                                     ? background.pixel(x, y)
                                                     : image.pixel(x, y))
                << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(StandingAndWalking, KittenSprite, ::testing::Values(105, 107));

TEST(KittenSprite, walkingPoseDiffersFromStandingPose) { EXPECT_NE(frame(105), frame(107)); }

} // namespace
