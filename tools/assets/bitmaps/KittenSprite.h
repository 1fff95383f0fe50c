// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The kitten token, an orange tabby seen from the side and facing right, as the two sprite
// pairs the board paints with AND and then XOR: the mask is the silhouette in pure black on pure
// white, the image is the kitten in colour where the mask is black and pure black elsewhere, so
// the pair leaves exactly the kitten over any background. Both are 40 x 40 times scale, each
// scale drawn afresh with its own sharp edge.
namespace KittenSprite {

enum class Pose { Standing, Walking };

// The black-on-white silhouette, strictly two-valued.
QImage mask(Pose pose, int scale);

// The coloured kitten on black, matching mask(pose) pixel for pixel.
QImage image(Pose pose, int scale);

// The same kitten, outlined, on a transparent side x side layer (for the story scenes).
QImage figure(Pose pose, int side);

} // namespace KittenSprite
