// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The spinner dial, 90 x 90 on the window's background: a ring of coloured dots around a round
// centre showing a big digit. Each is drawn at scale times the pixels.
namespace SpinnerFaces {

// The dial at rest showing digit (1 to 6).
QImage face(int digit, int scale);

// A frame of the whirl: the dial of digit turned aside, with motion streaks; direction +1 turns
// it clockwise, -1 anticlockwise.
QImage whirl(int digit, int direction, int scale);

} // namespace SpinnerFaces
