#pragma once

#include <QFont>

// The game's three Chinese type faces under the names its layout uses, mapped onto fonts that
// Debian ships: the Kai face for the word captions, a bold sans for the rounded face (Debian
// has no rounded face covering simplified Chinese), a Song/Ming face for the poet line.
// Sizes are in pixels as the layout was designed at 96 dots per inch, so captions fit their
// places whatever resolution the screen reports, times the scale the game is shown at: the text
// is set at the size it is seen, never stretched.
namespace Fonts {

// Maps the layout's face names onto installed fonts; call once before creating the window.
void installSubstitutions();
// Without a font for Chinese every caption, poem and help text shows as empty boxes. Then this
// says so and names the Debian packages to install; otherwise it is empty.
QString missingFontsWarning();
// "楷体_GB2312" 26.25 pt bold: the word captions.
QFont caption(qreal scale = 1);
// "幼圆" 15 pt bold: the poem title and verse lines.
QFont poemText(qreal scale = 1);
// "宋体" 12 pt: the poet line.
QFont poemAuthor(qreal scale = 1);

} // namespace Fonts
