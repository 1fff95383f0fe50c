#pragma once

#include <array>

class BoardView;
class Caption;
class PictureBox;
class QLabel;
class QTimer;

// The main window's controls under the names the game's procedures use. The window creates
// and owns them (as Qt children); the subsystems get this table to drive them.
struct Controls {
    BoardView *Pic1 = nullptr;
    PictureBox *PicTurn = nullptr;
    PictureBox *Pichp = nullptr;
    std::array<PictureBox *, 4> PicBoy{};
    std::array<PictureBox *, 4> PicIco{};
    PictureBox *PicBg = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    // On the board:
    PictureBox *Picrep = nullptr;
    PictureBox *PicOut = nullptr;
    std::array<PictureBox *, 4> PicWord{};
    std::array<QLabel *, 3> LabSh{};
    std::array<Caption *, 8> Label1{};
};
