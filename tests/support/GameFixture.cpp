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
    record.turn = TurnState::Walking;
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

int GameFixture::walkUntilStopped(int limit)
{
    int ticks = 0;
    while (timers.isRunning(GameTimer::WalkTick) && ticks < limit) {
        game.onWalkTick();
        ++ticks;
    }
    return ticks;
}

void GameFixture::spin(int number)
{
    platform.draws.push_front((static_cast<float>(number) - 0.5f) / 6.0f);
    game.onSpinnerClicked();
}

void GameFixture::spinAndWalk(int number)
{
    spin(number);
    game.onSpinDelayTick();
    walkUntilStopped();
}

std::vector<int> GameFixture::soundsPlayed() const
{
    std::vector<int> ids;
    for (const PlayedSound &sound : platform.output.played)
        ids.push_back(sound.id);
    return ids;
}

void GameFixture::enter(int level, SquareKind kind, int index)
{
    const int square = squareOf(level, kind, index);
    standOn(level, square - 1);
    spinAndWalk(1);
    ASSERT_EQ(record.kittenSquare, square);
    // Everything up to the square's announcement goes.
    const PlayedSound announcement{Sound::announcement(kind), PlayMode::Sync};
    auto &played = platform.output.played;
    played.erase(played.begin(), std::find(played.begin(), played.end(), announcement) + 1);
    journal.entries.remove(
        0, journal.indexOf(QStringLiteral("sound %1 sync").arg(announcement.id)) + 1);
}
