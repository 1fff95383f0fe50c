// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The game's own type face, Hanzi Kitten Kai: a Kai (textbook-style) face cut down to the
// characters the game shows and built into the program, in a regular and a bold weight, so
// that every Chinese text looks the same whatever fonts the machine has, or none. The parents'
// corner has a face of its own, Hanzi Kitten Kai Parents, cut from the same Kai to what the
// corner shows in English and Chinese, so that the child's screens never change with it.
// Sizes are in pixels as the layout was designed at 96 dots per inch, so captions fit their
// places whatever resolution the screen reports, times the scale the game is shown at: the text
// is set at the size it is seen, never stretched.
namespace Fonts {

// Registers the built-in faces and makes the game's regular one the application's font, which
// the help text and the tool tips use. Call once the application exists, before any text shows.
void install();
// The parents' corner's text, at the application's size.
QFont parentText();
// 26.25 pt bold: the word captions.
QFont caption(qreal scale = 1);
// 15 pt bold: the poem title and verse lines.
QFont poemText(qreal scale = 1);
// 12 pt regular: the poet line.
QFont poemAuthor(qreal scale = 1);

} // namespace Fonts
