// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"
#include "GameTimers.h"

namespace {

struct Entered {
    SquareKind kind;
    int index;
    // The first thing the stage shows once the announcement has been heard in full.
    QString firstSign;
};

class SquareDispatch : public GameFixture, public ::testing::WithParamInterface<Entered> {};

TEST_P(SquareDispatch, disarmsTheSpinnerAnnouncesTheKindAndOpensItsStageAfter)
{
    const Entered entered = GetParam();
    const int square = squareOf(1, entered.kind, entered.index);
    standOn(1, square - 1);
    // Enough draws for a creature and the quiz the caterpillar sends the kitten to.
    platform.draws.assign(8, 0.0f);
    spinAndWalk(1);
    EXPECT_FALSE(record.spinnerArmed);
    const SoundId announcement = Sound::announcement(entered.kind);
    EXPECT_EQ(platform.output.played.back(), (PlayedSound{announcement, true}));
    EXPECT_FALSE(journal.entries.contains(entered.firstSign));
    platform.output.endHeldSound();
    const qsizetype announced =
        journal.indexOf(QStringLiteral("sound %1 held").arg(announcement.number));
    EXPECT_GT(journal.entries.indexOf(entered.firstSign, announced), announced)
        << journal.entries.join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SquareDispatch,
    ::testing::Values(Entered{SquareKind::Poem, 1, QStringLiteral("poem 出塞")},
                      Entered{SquareKind::Teaching, 2,
                              QStringLiteral("show bee %1").arg(Bitmap::BeeButton.number)},
                      Entered{SquareKind::Quiz, 1,
                              QStringLiteral("show tadpole %1").arg(Bitmap::TadpoleButton.number)},
                      Entered{SquareKind::Chance, 2,
                              QStringLiteral("scene %1").arg(Bitmap::CaterpillarScene.number)}),
    [](const auto &test) { return "Kind" + std::to_string(static_cast<int>(test.param.kind)); });

} // namespace
