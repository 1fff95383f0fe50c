#include "Resources.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ResourcesByNumber, GiveASoundAsTheCompleteWaveFile)
{
    const QByteArray wave = Resources::sound(102);

    EXPECT_TRUE(wave.startsWith("RIFF"));
    EXPECT_EQ(wave.mid(8, 4), QByteArray("WAVE"));
    QFile file(QStringLiteral(":/sounds/102.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(wave, file.readAll());
}

TEST(ResourcesByNumber, GiveAStringAsItsExactUtf8Text)
{
    QFile file(QStringLiteral(":/strings/336.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = Resources::string(336);

    EXPECT_EQ(text, QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4e00; }));
}

TEST(ResourcesDeathTest, AMissingResourceStopsTheProgramNamingIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");

    EXPECT_DEATH(Resources::sound(999), ":/sounds/999.wav");
    EXPECT_DEATH(Resources::bitmap(998), ":/bitmaps/998.bmp");
    EXPECT_DEATH(Resources::string(997), ":/strings/997.txt");
}

} // namespace
