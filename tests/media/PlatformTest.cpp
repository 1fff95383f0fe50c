// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"
#include "QtPlatform.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

class FixedDraw : public Platform {
public:
    explicit FixedDraw(float r) : r_(r) {}
    SoundOutput &sound() override { std::abort(); }
    float randomUniform() override { return r_; }
    QString programFolder() const override { return {}; }
    QString dataFolder() const override { return {}; }
    QString recordFolder() const override { return {}; }
    QDateTime now() const override { return {}; }

private:
    float r_;
};

// A platform with a program folder and a data folder, and nothing else.
class Folders : public FixedDraw {
public:
    Folders(QString program, QString data)
        : FixedDraw(0), program_(std::move(program)), data_(std::move(data))
    {
    }
    QString programFolder() const override { return program_; }
    QString dataFolder() const override { return data_; }

private:
    QString program_, data_;
};

void createFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile(path).open(QIODevice::WriteOnly);
}

// A build folder has the file beside the program; an installation has it in the data folder.
TEST(DataFiles, areFoundBesideTheProgramFirstThenInTheDataFolder)
{
    QTemporaryDir program, data;
    const Folders platform(program.path(), data.path());
    const QString step = QStringLiteral("wav/step.wav");
    // Missing in both: looked for beside the program.
    EXPECT_EQ(platform.dataFile(step), program.filePath(step));
    createFile(data.filePath(step));
    EXPECT_EQ(platform.dataFile(step), data.filePath(step));
    createFile(program.filePath(step));
    EXPECT_EQ(platform.dataFile(step), program.filePath(step));
}

TEST(RandomDraws, mapEveryDrawOntoAValueBelowTheLimit)
{
    struct Case {
        float r;
        int n;
        int expected;
    };
    // Just below 1, r * 6 rounds up to 6 in single precision.
    const float highest = std::nextafter(1.0f, 0.0f);
    for (Case c : {Case{0.0f, 6, 0},
                   {0.16f, 6, 0},
                   {0.17f, 6, 1},
                   {highest, 6, 5},
                   {0.49f, 2, 0},
                   {0.5f, 2, 1},
                   {highest, 8, 7}}) {
        FixedDraw platform(c.r);
        EXPECT_EQ(randomBelow(platform, c.n), c.expected) << c.r << " of " << c.n;
    }
}

TEST(QtPlatformDraws, repeatForTheSameSeedAndDifferForAnother)
{
    auto draws = [](std::optional<unsigned> seed) {
        QtPlatform platform(seed);
        std::vector<float> values;
        for (int i = 0; i < 20; ++i)
            values.push_back(platform.randomUniform());
        return values;
    };
    const std::vector<float> first = draws(7);
    EXPECT_EQ(draws(7), first);
    EXPECT_NE(draws(8), first);
    EXPECT_NE(draws(std::nullopt), draws(std::nullopt));
    for (float r : first) {
        EXPECT_GE(r, 0.0f);
        EXPECT_LT(r, 1.0f);
    }
}

} // namespace
