// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoverLook.h"

#include "Catalogue.h"
#include "GameView.h"

namespace {

struct Looks {
    BitmapId normal;
    BitmapId hovered;
};

Looks looksOf(Button button)
{
    switch (button) {
    case Button::Help:
        return {Bitmap::HelpButton, Bitmap::HelpButtonHovered};
    case Button::Bee:
        return {Bitmap::BeeButton, Bitmap::BeeButtonHovered};
    case Button::Tadpole:
        break;
    }
    return {Bitmap::TadpoleButton, Bitmap::TadpoleButtonHovered};
}

} // namespace

void showHoverLook(GameView &view, Button button, bool inside)
{
    const Looks looks = looksOf(button);
    view.setButtonPicture(button, inside ? looks.hovered : looks.normal);
}
