// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Square.h"

// Every built-in picture, sound and text of the game, named. The resources are stored by these
// numbers (resources/bitmaps/NNN.bmp, sounds/NNN.wav, strings/NNN.txt); nothing else in the
// program spells a resource number.
//
// Levels run from 1 to LevelCount; each has its own scene, narration and square table. A new
// level needs those three resources, LevelCount raised, and the end scene and narration, whose
// numbers follow the levels', moved up.

constexpr int LevelCount = 3;

// A built-in picture by its number. Pictures and sounds have types of their own, so that a
// sound's number can never be painted nor a picture's played.
struct BitmapId {
    int number = 0;

    constexpr bool operator==(const BitmapId &) const = default;
};

// A built-in sound by its number.
struct SoundId {
    int number = 0;

    constexpr bool operator==(const SoundId &) const = default;
};

namespace Bitmap {

constexpr BitmapId squareIcon(SquareKind kind)
{
    return {100 + static_cast<int>(kind)};
}
// Each kitten pose is a mask (black figure on white) and an image (the figure on black).
constexpr BitmapId StandingKittenMask{105};
constexpr BitmapId StandingKittenImage{106};
constexpr BitmapId WalkingKittenMask{107};
constexpr BitmapId WalkingKittenImage{108};

// The spinner face showing number 1..6.
constexpr BitmapId spinnerFace(int number)
{
    return {109 + number};
}
constexpr BitmapId SpinnerStartFace = spinnerFace(2);
// The whirl turns the faces 6 and 4 aside.
constexpr BitmapId WhirlTiltedSix{116};
constexpr BitmapId WhirlTiltedFour{117};

// 300 x 300 pictures painted in the middle of the board.
constexpr BitmapId scene(int level)
{
    return {120 + level};
}
constexpr BitmapId EndScene{124};
constexpr BitmapId CaterpillarScene{131};
constexpr BitmapId BeeScene{132};

constexpr BitmapId TadpoleButton{158};
constexpr BitmapId TadpoleButtonHovered{159};
constexpr BitmapId BeeButton{160};
constexpr BitmapId BeeButtonHovered{161};
// Shown on the tadpole's place while a poem is recited.
constexpr BitmapId CaterpillarWithCap{163};
constexpr BitmapId HelpButton{164};
constexpr BitmapId HelpButtonHovered{165};

constexpr BitmapId wordPicture(int word)
{
    return {200 + word};
}

} // namespace Bitmap

namespace Sound {

constexpr SoundId Whirl{101};
constexpr SoundId Step{102};
constexpr SoundId CaterpillarStory{103};
constexpr SoundId BeeStory{104};
constexpr SoundId RightAnswer{105};
constexpr SoundId QuizPassed{106};
constexpr SoundId QuizFailed{107};
constexpr SoundId announcement(SquareKind kind)
{
    return {110 + static_cast<int>(kind)};
}
constexpr SoundId narration(int level)
{
    return {120 + level};
}
constexpr SoundId EndNarration{124};
// Note the offset: word n's sound is 201 + n while its picture is 200 + n.
constexpr SoundId wordSound(int word)
{
    return {201 + word};
}
constexpr SoundId recitation(int poem)
{
    return {301 + poem};
}
// A twentieth of a second of silence, played to cut off whatever is playing.
constexpr SoundId Stop{900};
// The step sound played when the board is clicked is a file, not a built-in sound, so that it
// can be changed without rebuilding; it lies beside the program or in its data folder.
constexpr const char *StepFile = "wav/step.wav";

} // namespace Sound

namespace Text {

constexpr int Words = 101;
// The words' pinyin, with tone marks, in the order of the words.
constexpr int Pinyin = 102;
constexpr int wordGroup(int group)
{
    return 201 + group;
}
constexpr int GroupCount = 17;
constexpr int poemTitle(int poem)
{
    return 301 + 10 * poem;
}
constexpr int poemPoet(int poem)
{
    return 302 + 10 * poem;
}
constexpr int poemLine(int poem, int line)
{
    return 303 + 10 * poem + line;
}
constexpr int PoemCount = 5;
constexpr int gridRow(int row)
{
    return 401 + row;
}
constexpr int squareTable(int level)
{
    return 420 + level;
}

} // namespace Text
