#pragma once

class GameView;
enum class Button;

// The hover look of a picture button: with the pointer inside (edges included) the button
// shows its hovered picture and holds the pointer, so that it still hears of the move that
// leaves it; outside, its normal picture comes back and the pointer is released.
void showHoverLook(GameView &view, Button button, bool inside);
