// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <QByteArray>
#include <QImage>

// The pictures and sounds built into the program, by their number (see Catalogue.h). They are
// part of the program, so a missing one stops it with a message naming the resource.
namespace Resources {

// Every picture is built in at three scales: as designed (1), and drawn again at twice and
// three times the pixels in each direction for sharp screens.
constexpr int FinestPictureScale = 3;

// Picture at scale (1 to FinestPictureScale), ready to paint: decoded on first use and kept,
// so later calls cost nothing.
QImage bitmap(BitmapId picture, int scale = 1);
// The picture scale to paint with where one design pixel covers devicePixels pixels of the
// screen: the coarsest scale at least that fine, or the finest there is.
int pictureScaleFor(qreal devicePixels);
// The complete RIFF WAVE file of a sound.
QByteArray sound(SoundId sound);

} // namespace Resources
