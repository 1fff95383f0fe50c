// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// Colours shared by several pictures, so the whole set keeps one look and sits on the game's
// own backgrounds.
namespace Palette {

// The board's background, behind the square icons and the stage buttons.
inline const QColor board{141, 207, 244};
// The main window's background (Qt's default light grey), behind the spinner and help button.
inline const QColor window{239, 239, 239};
// Dark warm brown for outlines and eyes: softer than black and never mistaken for it.
inline const QColor ink{58, 38, 30};
inline const QColor cream{255, 246, 222};
inline const QColor grassLight{140, 212, 90};
inline const QColor grassDark{76, 160, 62};
inline const QColor leafLight{126, 200, 80};
inline const QColor leafDark{52, 140, 60};
// The kitten's orange tabby coat, as the board's sprite and the program's icon show it.
inline const QColor kittenFur{255, 167, 60};
inline const QColor kittenStripe{214, 106, 30};
inline const QColor kittenPale{255, 238, 206};
inline const QColor kittenPink{255, 158, 168};

} // namespace Palette
