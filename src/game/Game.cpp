// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Game.h"

#include "Catalogue.h"
#include "GameRecord.h"
#include "GameTimers.h"
#include "GameView.h"
#include "HoverLook.h"
#include "Platform.h"

#include <QString>

Game::Game(GameRecord &record, LearningRecord &learning, const Content &content, GameView &view,
           GameTimers &timers, Platform &platform)
    : record_(record), view_(view), timers_(timers), platform_(platform), sounds_(platform.sound()),
      held_(view, sounds_), log_(learning, platform), board_(record, content, view),
      walk_(record, board_, *this, sounds_),
      spinner_(record, view, *this, sounds_, platform, walk_),
      stages_(record, content, view, *this, sounds_, held_, platform, board_, spinner_, walk_,
              log_),
      dispatch_(record, content, held_, spinner_, stages_)
{
    walk_.setHandlers([this] { dispatch_.enterSquare(); }, [this] { finishLevel(); });
    held_.setAfterEnd([this] { deliverHeldTicks(); });
}

void Game::start()
{
    view_.showSpinnerFace(Bitmap::SpinnerStartFace);
    view_.setButtonPicture(Button::Help, Bitmap::HelpButton);
    startLevel();
}

void Game::onTick(GameTimer timer)
{
    if (!held_.isPlaying())
        return deliver(timer);
    // A timer that ticked several times meanwhile ticks once afterwards.
    forgetHeldTick(timer);
    heldTicks_.push_back(timer);
}

void Game::start(GameTimer timer)
{
    forgetHeldTick(timer);
    timers_.start(timer);
}

void Game::stop(GameTimer timer)
{
    forgetHeldTick(timer);
    timers_.stop(timer);
}

void Game::forgetHeldTick(GameTimer timer)
{
    std::erase(heldTicks_, timer);
}

// What followed the held sound, or a tick delivered now, may hold a sound of its own, which
// the ticks still due wait for in turn.
void Game::deliverHeldTicks()
{
    while (!heldTicks_.empty() && !held_.isPlaying()) {
        const GameTimer timer = heldTicks_.front();
        heldTicks_.erase(heldTicks_.begin());
        deliver(timer);
    }
}

void Game::deliver(GameTimer timer)
{
    switch (timer) {
    case GameTimer::SpinDelay:
        return spinner_.onDelayTick();
    case GameTimer::WalkTick:
        return walk_.onTick();
    case GameTimer::WhirlFrame:
        return spinner_.onWhirlFrame();
    }
}

void Game::onSpinnerClicked()
{
    log_.childPressed();
    if (takesPresses())
        spinner_.onClicked();
}

void Game::onBoardPressed()
{
    log_.childPressed();
    if (!takesPresses() || record_.stage != Stage::None || record_.gameOver())
        return;
    sounds_.playFile(platform_.dataFile(QLatin1String(Sound::StepFile)));
    startLevel();
}

void Game::onCaptionPressed(int slot)
{
    log_.childPressed();
    if (takesPresses())
        stages_.onCaptionPressed(slot);
}

void Game::onButtonClicked(Button button)
{
    log_.childPressed();
    if (!takesPresses())
        return;
    switch (button) {
    case Button::Help:
        return openHelp();
    case Button::Bee:
        return stages_.onBeeClicked();
    case Button::Tadpole:
        return stages_.onTadpoleClicked();
    }
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
    sounds_.play(Sound::Stop);
    log_.saveIfChanged();
}

void Game::openHelp()
{
    sounds_.play(Sound::Stop);
    // The pointer is still on the button, but the help covers it.
    view_.setButtonPicture(Button::Help, Bitmap::HelpButton);
    view_.openHelp();
}

// The spinner is armed only once the board is painted.
void Game::startLevel()
{
    log_.levelStarted(record_.level);
    sounds_.play(Sound::narration(record_.level));
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
    record_.stage = Stage::None;
    if (!record_.gameOver()) {
        startLevel();
        return;
    }
    view_.clearBoard();
    view_.paintScene(Bitmap::EndScene);
    sounds_.play(Sound::EndNarration);
}
