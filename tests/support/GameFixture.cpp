// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameFixture.h"

#include "Catalogue.h"
#include "GameTimers.h"

#include <algorithm>

const Content &GameFixture::content()
{
    static const Content built = Content::builtIn();
    return built;
}

void GameFixture::startGame()
{
    game.start();
    journal.clear();
    forgetSounds();
}

void GameFixture::standOn(int level, int square)
{
    record = GameRecord{};
    startGame();
    record.level = level;
    record.kittenSquare = square;
    record.spinnerArmed = true;
    view.clearBoard();
    journal.clear();
}

int GameFixture::squareOf(int level, SquareKind kind, int index) const
{
    for (int square = 1; square <= Content::LastSquare; ++square) {
        if (content().square(level, square) == Square{kind, index})
            return square;
    }
    ADD_FAILURE() << "level " << level << " has no such square";
    return 1;
}

int GameFixture::tickUntilStopped(GameTimer timer, int limit)
{
    int ticks = 0;
    while (timers.isRunning(timer) && ticks < limit) {
        game.onTick(timer);
        ++ticks;
    }
    return ticks;
}

void GameFixture::spin(int number)
{
    platform.draws.push_front((static_cast<float>(number) - 0.5f) / 6.0f);
    game.onSpinnerClicked();
    tickUntilStopped(GameTimer::WhirlFrame);
}

void GameFixture::spinAndWalk(int number)
{
    spin(number);
    game.onTick(GameTimer::SpinDelay);
    walkUntilStopped();
}

int GameFixture::endHeldSounds()
{
    int ended = 0;
    for (; platform.output.isHolding() && ended < 20; ++ended)
        platform.output.endHeldSound();
    return ended;
}

std::vector<SoundId> GameFixture::soundsPlayed() const
{
    std::vector<SoundId> sounds;
    for (const PlayedSound &played : platform.output.played)
        sounds.push_back(played.sound);
    return sounds;
}

void GameFixture::enter(int level, SquareKind kind, int index)
{
    const int square = squareOf(level, kind, index);
    standOn(level, square - 1);
    spinAndWalk(1);
    ASSERT_EQ(record.kittenSquare, square);
    ASSERT_TRUE(platform.output.isHolding());
    // Everything up to the square's announcement goes.
    forgetSounds();
    journal.clear();
    platform.output.endHeldSound();
}
