// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Content.h"

#include <gtest/gtest.h>

#include <QFile>

#include <map>

namespace {

const Content &builtIn()
{
    static const Content content = Content::builtIn();
    return content;
}

TEST(ContentTrack, runsFromTheBottomLeftCornerAnticlockwiseAndLeavesSquareZeroOffTheBoard)
{
    const std::map<int, Cell> corners = {{1, {0, 11}},  {12, {11, 11}}, {13, {11, 10}},
                                         {23, {11, 0}}, {34, {0, 0}},   {43, {0, 9}}};
    for (const auto &[square, cell] : corners) {
        EXPECT_EQ(builtIn().cellOf(square), cell) << square;
        EXPECT_EQ(builtIn().squareAt(cell), square);
    }
    // The ring cell between squares 43 and 1 holds no square.
    EXPECT_EQ(builtIn().squareAt({0, 10}), 0);
    EXPECT_EQ(builtIn().squareAt({5, 5}), 0);
}

TEST(ContentLevels, giveEachSquareItsKindAndIndexAndFindTheSquareThatTeachesAGroup)
{
    EXPECT_EQ(builtIn().square(1, 1), (Square{SquareKind::Chance, 1}));
    EXPECT_EQ(builtIn().square(1, 43), (Square{SquareKind::Quiz, 16}));
    EXPECT_EQ(builtIn().square(2, 22), (Square{SquareKind::Chance, 4}));
    EXPECT_EQ(builtIn().square(3, 23), (Square{SquareKind::Poem, 3}));
    EXPECT_EQ(builtIn().teachingSquare(1, 1), 2);
    EXPECT_EQ(builtIn().teachingSquare(1, 16), 40);
    EXPECT_EQ(builtIn().teachingSquare(3, 13), 32);
    // Beyond the track and the levels nothing opens.
    EXPECT_EQ(builtIn().square(LevelCount + 1, 5), Square{});
    EXPECT_EQ(builtIn().square(1, Content::LastSquare + 1), Square{});
}

QString builtInText(int id)
{
    QFile file(QStringLiteral(":/strings/%1.txt").arg(id));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The built-in texts with one replaced.
Content readWith(int replaced, const QString &text)
{
    return Content::read([&](int id) { return id == replaced ? text : builtInText(id); });
}

TEST(ContentDeathTest, aMalformedTextStopsTheProgramNamingIt)
{
    const QString level1 = builtInText(Text::squareTable(1));
    const QString firstRow = builtInText(Text::gridRow(0));
    struct Case {
        int text;
        QString content;
        QString message;
    };
    const Case cases[] = {
        {Text::gridRow(0), firstRow.section(u'\t', 0, 2), "3 fields where 12 belong"},
        {Text::gridRow(0), firstRow.section(u'\t', 0, 10) + "\tx", R"("x" is not a number)"},
        {Text::gridRow(0), firstRow.section(u'\t', 0, 10) + "\t1", "square 1 is placed 2 times"},
        {Text::wordGroup(0), "0,1,2", "3 fields where 4 belong"},
        {Text::wordGroup(8), "0,4,8,32", R"("32" is not a number from 0 to 31)"},
        {Text::squareTable(1), QString(level1).replace("0,0/4,1/2,1", "0,0/4,1/7,1"),
         R"("7" is not a number from 0 to 4)"},
        {Text::squareTable(1), QString(level1).replace("0,0/4,1/2,1", "0,0/4,1/2,17"),
         R"("17" is not a number from 1 to 16)"},
        {Text::squareTable(1),
         QString(level1).replace("0,0/4,1/2,1/2,2/3,1", "0,0/4,1/3,1/2,2/2,1"),
         "the quiz on square 2 has no teaching square before it"},
        {Text::squareTable(1), QString(level1).replace("0,0/4,1/2,1", "0,0/4,1/4,1"),
         "the quiz on square 4 has no teaching square before it"},
        {Text::squareTable(1), QString(level1).replace("0,0/4,1/2,1", "0,0/0,0/2,1"),
         "square 1 has kind 0"},
        {Text::squareTable(1), QString(level1).replace("2,3/1,1/4,2", "2,3/1,6/4,2"),
         R"("6" is not a number from 1 to 5)"},
    };
    for (const Case &c : cases) {
#ifdef _WIN32
        // Under Windows the death test does not read Qt's last words, only that it stopped.
        const QString message;
#else
        const QString message = QStringLiteral("string texts? %1.*%2").arg(c.text).arg(c.message);
#endif
        EXPECT_DEATH(readWith(c.text, c.content), message.toStdString()) << c.text;
    }
}

} // namespace
