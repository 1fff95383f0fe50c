#include "HoverLook.h"

#include "PictureBox.h"
#include "Resources.h"

void applyHoverLook(PictureBox &button, QPointF position, int normalBitmap, int hoverBitmap)
{
    // The right and bottom edges count as inside.
    const bool inside = position.x() >= 0 && position.x() <= button.width() &&
                        position.y() >= 0 && position.y() <= button.height();
    if (inside) {
        button.setPicture(Resources::bitmap(hoverBitmap));
        // Holding the grab, the button is told of the move that leaves it and can put its
        // normal look back.
        button.grabMouse();
    } else {
        button.setPicture(Resources::bitmap(normalBitmap));
        button.releaseMouse();
    }
}
