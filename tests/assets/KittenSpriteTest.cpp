#include "Catalogue.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <utility>

namespace {

QImage frame(int id)
{
    return Resources::bitmap(id).convertToFormat(QImage::Format_RGB32);
}

// A pose: its mask and its image.
class KittenSprite : public ::testing::TestWithParam<std::pair<int, int>> {};

// Painting the mask with AND and the image with XOR leaves exactly the kitten over any
// background: white mask pixels keep the background (and the image is black there, so XOR
// changes nothing), black mask pixels clear it for the image.
TEST_P(KittenSprite, maskIsABlackSilhouetteOnWhiteAndImageIsBlackOutsideItSoAndThenXorIsExact)
{
    const QImage mask = frame(GetParam().first);
    const QImage image = frame(GetParam().second);
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

INSTANTIATE_TEST_SUITE_P(
    StandingAndWalking, KittenSprite,
    ::testing::Values(std::pair{Bitmap::StandingKittenMask, Bitmap::StandingKittenImage},
                      std::pair{Bitmap::WalkingKittenMask, Bitmap::WalkingKittenImage}));

} // namespace
