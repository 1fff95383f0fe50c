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

namespace Bitmap {

constexpr int squareIcon(SquareKind kind)
{
    return 100 + static_cast<int>(kind);
}
// Each kitten pose is a mask (black figure on white) and an image (the figure on black).
constexpr int StandingKittenMask = 105;
constexpr int StandingKittenImage = 106;
constexpr int WalkingKittenMask = 107;
constexpr int WalkingKittenImage = 108;

// The spinner face showing number 1..6.
constexpr int spinnerFace(int number)
{
    return 109 + number;
}
constexpr int SpinnerStartFace = spinnerFace(2);
// The whirl turns the faces 6 and 4 aside.
constexpr int WhirlTiltedSix = 116;
constexpr int WhirlTiltedFour = 117;

// 300 x 300 pictures painted in the middle of the board.
constexpr int scene(int level)
{
    return 120 + level;
}
constexpr int EndScene = 124;
constexpr int CaterpillarScene = 131;
constexpr int BeeScene = 132;

constexpr int TadpoleButton = 158;
constexpr int TadpoleButtonHovered = 159;
constexpr int BeeButton = 160;
constexpr int BeeButtonHovered = 161;
// Shown on the tadpole's place while a poem is recited.
constexpr int CaterpillarWithCap = 163;
constexpr int HelpButton = 164;
constexpr int HelpButtonHovered = 165;

constexpr int wordPicture(int word)
{
    return 200 + word;
}

} // namespace Bitmap

namespace Sound {

constexpr int Whirl = 101;
constexpr int Step = 102;
constexpr int CaterpillarStory = 103;
constexpr int BeeStory = 104;
constexpr int RightAnswer = 105;
constexpr int QuizPassed = 106;
constexpr int QuizFailed = 107;
constexpr int announcement(SquareKind kind)
{
    return 110 + static_cast<int>(kind);
}
constexpr int narration(int level)
{
    return 120 + level;
}
constexpr int EndNarration = 124;
// Note the offset: word n's sound is 201 + n while its picture is 200 + n.
constexpr int wordSound(int word)
{
    return 201 + word;
}
constexpr int recitation(int poem)
{
    return 301 + poem;
}
// A twentieth of a second of silence, played to cut off whatever is playing.
constexpr int Stop = 900;
// The step sound played when the board is clicked is a file, not a built-in sound, so that it
// can be changed without rebuilding; it lies beside the program or in its data folder.
constexpr const char *StepFile = "wav/step.wav";

} // namespace Sound

namespace Text {

constexpr int Words = 101;
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
