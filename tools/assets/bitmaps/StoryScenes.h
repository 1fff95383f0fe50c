// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The 300 x 300 pictures painted in the middle of the board: the three level scenes and the end
// scene tell a small story (a rabbit on a sunny meadow, the rabbit sheltering under a leaf in the
// rain, a bird in the rain, the two friends together in the sunshine); the two event scenes show
// who moves the kitten. Each is drawn at scale times the pixels.
namespace StoryScenes {

QImage rabbitOnMeadow(int scale);
QImage rabbitUnderLeaf(int scale);
QImage birdInRain(int scale);
QImage friendsInSunshine(int scale);
QImage caterpillarInForest(int scale);
QImage beeInForest(int scale);

} // namespace StoryScenes
