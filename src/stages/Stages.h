// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CaptionHover.h"
#include "ChanceSquare.h"
#include "PoemStage.h"
#include "StageOpeners.h"
#include "TeachingStage.h"
#include "WordQuiz.h"

class Board;
class Content;
class GameTimers;
class GameView;
class HeldSound;
class KittenWalk;
class LearningLog;
class Platform;
class SoundPlayer;
class Spinner;
struct GameRecord;

// The four learning stages together: what the square dispatch opens, and the input the word
// stages share.
class Stages : public StageOpeners {
public:
    Stages(GameRecord &record, const Content &content, GameView &view, GameTimers &timers,
           SoundPlayer &sounds, HeldSound &held, Platform &platform, Board &board, Spinner &spinner,
           KittenWalk &walk, LearningLog &log);

    void recitePoem(int poem) override { poem_.recite(poem); }
    void openTeaching() override { teaching_.open(); }
    void openQuiz() override { quiz_.open(); }
    void runChanceSquare() override { chance_.run(); }

    // Judged in a quiz, spoken in teaching; the pressed caption turns red either way.
    void onCaptionPressed(int slot);
    void onCaptionHovered(int slot) { hover_.onCaptionHovered(slot); }
    void onBoardHovered() { hover_.onBoardHovered(); }
    void onBeeClicked() { teaching_.leave(); }
    void onTadpoleClicked() { quiz_.onTadpoleClicked(); }
    void onTadpoleHovered(bool inside) { quiz_.onTadpoleHovered(inside); }

private:
    GameRecord &record_;
    GameView &view_;
    PoemStage poem_;
    TeachingStage teaching_;
    WordQuiz quiz_;
    ChanceSquare chance_;
    CaptionHover hover_;
};
