// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Content;
class GameView;
struct GameRecord;

// The board as the kitten's walk shows it: the level's scene in the middle, the icon of every
// track square's kind around it and the kitten on its square.
class Board {
public:
    Board(const GameRecord &record, const Content &content, GameView &view);

    // Paints the scene, every icon and the standing kitten over whatever a stage left, and
    // hides the tadpole, which stands on the board. What lies outside the scene and the ring
    // stays as it is.
    void redraw();
    // The kitten's square shows its icon again, with the walking kitten over it.
    void showWalkingPose();

private:
    const GameRecord &record_;
    const Content &content_;
    GameView &view_;
};
