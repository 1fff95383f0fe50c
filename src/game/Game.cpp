#include "Game.h"

#include "Catalogue.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "HoverLook.h"
#include "Platform.h"

#include <QString>

Game::Game(GameRecord &record, const Content &content, GameView &view, GameTimers &timers,
           Platform &platform)
    : record_(record), view_(view), timers_(timers), platform_(platform), sounds_(platform.sound()),
      board_(record, content, view), walk_(record, board_, timers, sounds_),
      spinner_(record, view, timers, sounds_, platform, walk_),
      stages_(record, content, view, timers, sounds_, platform, board_, spinner_, walk_),
      dispatch_(record, content, sounds_, spinner_, stages_)
{
    walk_.setHandlers([this] { dispatch_.enterSquare(); }, [this] { finishLevel(); });
}

void Game::start()
{
    view_.showSpinnerFace(Bitmap::SpinnerStartFace);
    view_.setButtonPicture(Button::Help, Bitmap::HelpButton);
    startLevel();
}

void Game::onBoardPressed()
{
    if (record_.stage != Stage::None || record_.gameOver() || startingLevel_)
        return;
    sounds_.playFile(platform_.dataFile(QLatin1String(Sound::StepFile)));
    startLevel();
}

void Game::onHelpClicked()
{
    sounds_.playAsync(Sound::Stop);
    // The pointer is still on the button, but the help covers it.
    view_.setButtonPicture(Button::Help, Bitmap::HelpButton);
    view_.releasePointer();
    view_.openHelp();
}

void Game::onButtonHovered(Button button, bool inside)
{
    if (button == Button::Tadpole)
        stages_.onTadpoleHovered(inside);
    else
        showHoverLook(view_, button, inside);
}

void Game::shutDown()
{
    sounds_.playAsync(Sound::Stop);
}

// Waiting window events run before the level's narration starts; the spinner is armed only
// once the board is painted.
void Game::startLevel()
{
    // Presses on the board that wait among the events run here start no level of their own,
    // however many a child makes.
    startingLevel_ = true;
    platform_.processPendingEvents();
    startingLevel_ = false;
    sounds_.playAsync(Sound::narration(record_.level));
    board_.redraw();
    // A walk under way, the level's first, covers one more square only.
    record_.squaresLeft = 1;
    spinner_.arm();
}

// The kitten stepped past the last square: the next level starts on square 1, or after the
// last level the end scene closes the game.
void Game::finishLevel()
{
    record_.kittenSquare = 1;
    record_.squaresLeft = 1;
    spinner_.disarm();
    record_.level += 1;
    timers_.stop(GameTimer::WalkTick);
    record_.stage = Stage::None;
    if (!record_.gameOver()) {
        startLevel();
        return;
    }
    view_.clearBoard();
    view_.paintScene(Bitmap::EndScene);
    sounds_.playAsync(Sound::EndNarration);
}
