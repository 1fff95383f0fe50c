// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "Resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <tuple>
#include <utility>

namespace {

// A pose (its mask and its image) at a picture scale.
class KittenSprite
    : public ::testing::TestWithParam<std::tuple<std::pair<BitmapId, BitmapId>, int>> {};

// Painting the mask with AND and the image with XOR leaves exactly the kitten over any
// background: white mask pixels keep the background (and the image is black there, so XOR
// changes nothing), black mask pixels clear it for the image. Each scale is its own pair.
TEST_P(KittenSprite, maskIsABlackSilhouetteOnWhiteAndImageIsBlackOutsideItSoAndThenXorIsExact)
{
    const auto [pose, scale] = GetParam();
    const QImage mask = Resources::bitmap(pose.first, scale);
    const QImage image = Resources::bitmap(pose.second, scale);
    const int side = 40 * scale;
    ASSERT_EQ(mask.size(), QSize(side, side));
    ASSERT_EQ(image.size(), QSize(side, side));
    int figurePixels = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb m = mask.pixel(x, y);
            ASSERT_TRUE(m == qRgb(0, 0, 0) || m == qRgb(255, 255, 255)) << x << "," << y;
            if (m == qRgb(255, 255, 255))
                EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            else
                ++figurePixels;
        }
    }
    EXPECT_GT(figurePixels, 200 * scale * scale);
    EXPECT_LT(figurePixels, 1400 * scale * scale);
}

std::string poseAndScale(const ::testing::TestParamInfo<KittenSprite::ParamType> &param)
{
    const bool standing = std::get<0>(param.param).first == Bitmap::StandingKittenMask;
    return std::string(standing ? "standing" : "walking") + "At" +
           std::to_string(std::get<1>(param.param)) + "x";
}

INSTANTIATE_TEST_SUITE_P(
    StandingAndWalkingAtEachScale, KittenSprite,
    ::testing::Combine(
        ::testing::Values(std::pair{Bitmap::StandingKittenMask, Bitmap::StandingKittenImage},
                          std::pair{Bitmap::WalkingKittenMask, Bitmap::WalkingKittenImage}),
        ::testing::Range(1, Resources::FinestPictureScale + 1)),
    poseAndScale);

} // namespace
