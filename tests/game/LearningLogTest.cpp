// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "GameFixture.h"

namespace {

// Teaching index 9 shows words 0, 4, 8, 12; quiz index 13 asks words 16, 20, 24, 28.
constexpr int TeachingIndex = 9;
constexpr int QuizIndex = 13;

// What the child learns reaches the learning record through the game's input, dated by the
// platform's clock, and the game asks for the record to be saved.
class LearningThroughTheGame : public GameFixture {
protected:
    LearningThroughTheGame()
    {
        game.setSaveLearning([this] { ++saves; });
    }

    QDate today() const { return platform.clock.date(); }
    // Opens the quiz and answers its first word rightly.
    void answerAQuizWordRightly()
    {
        platform.scriptResults(4, {0, 0, 0, 0});
        enter(1, SquareKind::Quiz, QuizIndex);
        game.onCaptionPressed(0);
        endHeldSounds();
    }

    int saves = 0;
};

// A caption heard in teaching is taught; a quiz notes each word it asks once, right or not,
// at its first press. The record is saved when the stage ends, never on a press.
TEST_F(LearningThroughTheGame, teachingAndQuizzesNoteTheirWordsAndSaveAtTheEnd)
{
    enter(1, SquareKind::Teaching, TeachingIndex);
    saves = 0;
    game.onCaptionPressed(2);
    game.onCaptionPressed(2);
    EXPECT_EQ(learning.wordDays(8), (std::vector<WordDay>{{today(), 2, 0, 0}}));
    EXPECT_EQ(saves, 0);
    game.onButtonClicked(Button::Bee);
    EXPECT_EQ(saves, 1);

    answerAQuizWordRightly();
    saves = 0;
    game.onCaptionPressed(3);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(learning.wordDays(16), (std::vector<WordDay>{{today(), 0, 1, 0}}));
    EXPECT_EQ(learning.wordDays(20), (std::vector<WordDay>{{today(), 0, 0, 1}}));
    EXPECT_TRUE(learning.wordDays(24).empty());
    endHeldSounds();
    walkUntilStopped();
    EXPECT_EQ(saves, 1);
}

// A second before midnight and a second after are two days: a word answered rightly on both
// is known from the second.
TEST_F(LearningThroughTheGame, aWordRightJustBeforeAndAfterMidnightIsKnown)
{
    platform.clock = QDateTime(QDate(2026, 5, 4), QTime(23, 59, 59));
    answerAQuizWordRightly();
    EXPECT_EQ(learning.state(16), WordState::Met);
    platform.clock = platform.clock.addSecs(1);
    answerAQuizWordRightly();
    EXPECT_EQ(learning.state(16), WordState::Known);
    EXPECT_EQ(learning.knownSince(16), QDate(2026, 5, 5));
}

// The time between two presses is play when it is at most two minutes, and none when longer
// or when the clock went back; it goes to the day of the later press, with the level played.
TEST_F(LearningThroughTheGame, playTimeCountsShortPausesOnlyAndNeverBackwards)
{
    record.level = 2;
    game.start();
    const QDate day = today();
    for (const int step : {0, 90, 600, 30, -3600, 20}) {
        platform.clock = platform.clock.addSecs(step);
        game.onButtonClicked(Button::Tadpole);
    }
    EXPECT_EQ(learning.playDays(), (std::vector<PlayDay>{{day, 140, 2}}));
    platform.clock = QDateTime(day, QTime(23, 59, 50));
    game.onCaptionPressed(0);
    platform.clock = platform.clock.addSecs(40);
    game.onBoardPressed();
    EXPECT_EQ(learning.playDays(), (std::vector<PlayDay>{{day, 140, 2}, {day.addDays(1), 40, 2}}));
}

// A level start and the game's end save what was noted since the last save, and only then.
TEST_F(LearningThroughTheGame, aLevelStartAndTheEndSaveOnlyWhatIsNew)
{
    game.start();
    game.shutDown();
    EXPECT_EQ(saves, 0);
    game.onButtonClicked(Button::Tadpole);
    game.shutDown();
    EXPECT_EQ(saves, 1);
    game.onButtonClicked(Button::Tadpole);
    game.start();
    game.shutDown();
    EXPECT_EQ(saves, 2);
}

} // namespace
