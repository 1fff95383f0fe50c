// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Board;
class GameView;
struct GameRecord;

// The row of a group's four words that the teaching stage and the quiz lay out on the cleared
// board: one column every 125 pixels, each word's picture above its caption.
namespace WordRow {

// Caption slots: a level-3 quiz shows the next group's words among the asked ones.
constexpr int CaptionSlots = 8;

constexpr int pictureLeft(int column)
{
    return 13 + 125 * column;
}
constexpr int captionLeft(int column)
{
    return 30 + 125 * column;
}
constexpr int CaptionTop = 180;

// Ends a word stage: the tadpole falls still, the captions and pictures go, none keeping a
// hover or pressed look for the next stage, and the board comes back.
void close(GameRecord &record, GameView &view, Board &board);

} // namespace WordRow
