// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameView;
enum class Button;

// The hover look of a picture button: with the pointer inside the button shows its hovered
// picture; outside, its normal picture comes back.
void showHoverLook(GameView &view, Button button, bool inside);
