#include "Resources.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <random>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QImage frame(int id)
{
    return Resources::bitmap(id).convertToFormat(QImage::Format_RGB32);
}

QImage noise(QSize size, unsigned seed)
{
    std::mt19937 generator(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(generator() % 256, generator() % 256, generator() % 256));
    return image;
}

// What the board shows after painting the mask with AND and the image with XOR.
QImage andThenXor(const QImage &background, const QImage &mask, const QImage &image)
{
    QImage result(background.size(), QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.setPixel(x, y, ((background.pixel(x, y) & mask.pixel(x, y)) ^ image.pixel(x, y)) | 0xff000000);
    return result;
}

class KittenSprite : public ::testing::TestWithParam<int> {};

TEST_P(KittenSprite, maskIsABlackSilhouetteOnWhiteAndImageIsBlackOutsideIt)
{
    const QImage mask = frame(GetParam());
    const QImage image = frame(GetParam() + 1);
    ASSERT_EQ(mask.size(), QSize(40, 40));
    ASSERT_EQ(image.size(), QSize(40, 40));
    int figurePixels = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == Black || m == White) << x << "," << y;
            if (m == White)
                EXPECT_EQ(image.pixel(x, y), Black) << x << "," << y;
            else
                ++figurePixels;
        }
    }
    EXPECT_GT(figurePixels, 200);
    EXPECT_LT(figurePixels, 1400);
}

TEST_P(KittenSprite, andThenXorLeavesExactlyTheKittenOverAnyBackground)
{
    const QImage mask = frame(GetParam());
    const QImage image = frame(GetParam() + 1);
    QImage boardColour(40, 40, QImage::Format_RGB32);
    boardColour.fill(QColor(141, 207, 244));
    for (const QImage &background : {noise({40, 40}, 7), noise({40, 40}, 99), boardColour}) {
        const QImage result = andThenXor(background, mask, image);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                EXPECT_EQ(result.pixel(x, y),
                          mask.pixel(x, y) == White ? background.pixel(x, y) : image.pixel(x, y));
    }
}

INSTANTIATE_TEST_SUITE_P(StandingAndWalking, KittenSprite, ::testing::Values(105, 107));

TEST(KittenSprite, walkingPoseDiffersFromStandingPose)
{
    EXPECT_NE(frame(105), frame(107));
}

} // namespace
