// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The picture of word number wordNumber (0..31, in the order of the game's word list): an opaque
// RGB32 image, 80 x 80 pixels, or 90 x 90 for words 5, 9, 21 and 22, times scale in each direction.
// Needs a QGuiApplication.
QImage drawWordPicture(int wordNumber, int scale);
