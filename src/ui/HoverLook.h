#pragma once

#include <QPointF>

class PictureBox;

// The hover look of the picture buttons: a pointer inside the button (edges included) shows
// the hovered bitmap and grabs the mouse, so the button still sees the move that leaves it;
// outside, the normal bitmap comes back and the grab is released. The bitmap is loaded again
// on every move.
void applyHoverLook(PictureBox &button, QPointF position, int normalBitmap, int hoverBitmap);
