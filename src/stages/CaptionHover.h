// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameView;
struct GameRecord;

// The hover looks of the word captions, shared by the teaching stage and the quiz. In level-2
// teaching and in a level-1 quiz the caption under the pointer shows its word's picture and
// turns red; in a quiz at any level the caption under the pointer turns red. Everything goes
// back when the pointer moves over the board itself.
class CaptionHover {
public:
    CaptionHover(GameRecord &record, GameView &view);

    void onCaptionHovered(int slot);
    void onBoardHovered();

private:
    bool picturesOnHover() const;

    GameRecord &record_;
    GameView &view_;
};
