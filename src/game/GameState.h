#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The one record of the running game: content tables, flow fields, stage fields and the two
// sound buffers. The main window owns it for the whole run; every subsystem reads and writes
// it directly, so each field keeps the name the game's procedures use for it.
//
// Integers are 16-bit as the tables and counters are small; flags are plain bools.
struct GameState {
    static constexpr int GridSize = 17;       // boardGrid columns and rows 0..16
    static constexpr int SquareSlots = 101;   // squareTable, squareCol, squareRow 0..100
    static constexpr int WordSlots = 41;      // wordList, examOrder 0..40
    static constexpr int GroupSlots = 32;     // wordGroups groups 0..31
    static constexpr int GroupWordSlots = 5;  // wordGroups words 0..4
    static constexpr int TeachSlots = 81;     // teachSquareOf 0..80

    // Prefix of every sound-file path: the program folder and a separator.
    QString appDir;

    // Square number of each grid cell, [column][row]; 0 = no square.
    std::array<std::array<int16_t, GridSize>, GridSize> boardGrid{};
    // Kind ([s][0]) and index ([s][1]) of each track square in the current level.
    std::array<std::array<int16_t, 2>, SquareSlots> squareTable{};
    // Word numbers of each group as decimal text, [k][group].
    std::array<std::array<QString, GroupSlots>, GroupWordSlots> wordGroups{};

    int16_t gridRowCounter = 0;
    int16_t squareCounter = 0;
    int16_t groupCounter = 0;

    // The square the kitten stands on.
    int16_t catPos = 1;
    // Grid column and row of each square; both 0 for square 0 and unused numbers.
    std::array<int16_t, SquareSlots> squareCol{};
    std::array<int16_t, SquareSlots> squareRow{};
    // Track square of each teaching index in the current level.
    std::array<int16_t, TeachSlots> teachSquareOf{};

    bool canSpin = false;
    int16_t stepsLeft = 0;
    int16_t stepDir = 0;
    QString turnState = QStringLiteral("playturn");
    QString stageState = QStringLiteral("whatdo");
    int16_t wordsPerGroup = 4;
    std::array<int16_t, WordSlots> examOrder{};
    int16_t hoverWord = -1;
    int16_t level = 1;
    // Board view origin at the last full repaint; -1 forces the first repaint.
    float viewLeft = -1;
    int16_t viewTop = -1;
    int16_t walkPhase = 0;
    QString soundFile;
    bool replayEnabled = false;
    bool examAllRight = false;
    int16_t examCount = 0;

    // Bytes of the resource sound most recently started (words excepted). Kept alive here
    // because the player reads them while the sound plays.
    QByteArray soundData;
    // Bytes of the word pronunciation most recently started; replayed by the tadpole.
    QByteArray examWordSound;

    std::array<QString, WordSlots> wordList{};
};
