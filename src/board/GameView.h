// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"
#include "Content.h"
#include "Square.h"

#include <functional>
#include <optional>

class QString;

// The picture buttons of the game's screen.
enum class Button { Help, Bee, Tadpole };

enum class KittenPose { Standing, Walking };

// What the rules show on the game's screen. The rules decide what is shown and where; the
// screen's widgets draw it. Positions are in board pixels, from the board's top-left corner.
class GameView {
public:
    virtual ~GameView() = default;

    // The board is a picture painted over, piece by piece; what is painted stays until
    // something is painted over it or the board is cleared.
    //
    // A 300 x 300 picture in the middle of the ring of squares.
    virtual void paintScene(BitmapId picture) = 0;
    virtual void paintSquareIcon(Cell cell, SquareKind kind) = 0;
    // The kitten over whatever the cell shows.
    virtual void paintKitten(Cell cell, KittenPose pose) = 0;
    // Only the board colour is left.
    virtual void clearBoard() = 0;

    virtual void showSpinnerFace(BitmapId face) = 0;
    // A button with a picture, shown.
    virtual void showButton(Button button, BitmapId picture) = 0;
    // A button's picture, shown or not.
    virtual void setButtonPicture(Button button, BitmapId picture) = 0;
    virtual void hideButton(Button button) = 0;

    // Word caption slot (0..7) shows text, sized to fit, at left and top; without a top it
    // stays at the height where it stands.
    virtual void showCaption(int slot, const QString &text, int left, std::optional<int> top) = 0;
    // Red marks the caption under the pointer or just pressed; the text is black otherwise.
    virtual void setCaptionRed(int slot, bool red) = 0;
    // Word picture slot (0..3) holds a picture at left; the pictures keep their height.
    virtual void setWordPicture(int slot, BitmapId picture, int left, bool visible) = 0;
    virtual void setWordPictureVisible(int slot, bool visible) = 0;
    // Every caption and word picture disappears.
    virtual void hideWordRow() = 0;

    virtual void showPoem(const Poem &poem) = 0;
    virtual void hidePoem() = 0;

    // Runs then from the event loop once what the screen shows now has reached the display;
    // soon, in any case, where nothing is on display.
    virtual void whenShown(std::function<void()> then) = 0;
    // The help window opens; the game takes no input until it closes.
    virtual void openHelp() = 0;
};
