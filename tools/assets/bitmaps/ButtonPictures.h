// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The pictures of the buttons: the stage buttons sit on the board (its colour around them), the
// help button on the window. Each is drawn at scale times the pixels.
namespace ButtonPictures {

// 100 x 100: the tadpole that says the word again; hovered, its mouth opens wide.
QImage tadpole(bool hovered, int scale);

// 98 x 104: the bee that leaves the teaching stage; hovered, it lifts off in a warm glow.
QImage bee(bool hovered, int scale);

// 98 x 116: the caterpillar in a cap who recites the poems.
QImage caterpillarWithCap(int scale);

// 50 x 35: an oval button with a question mark; hovered, it lights up.
QImage help(bool hovered, int scale);

} // namespace ButtonPictures
