// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameScreen.h"

#include <QElapsedTimer>
#include <QFile>

// The screen of a benchmark build (HK_BENCH): it writes how long each full repaint of the
// board took, from its scene to the standing kitten, to the file named by HK_BENCH_LOG, one
// line "repaint MICROSECONDS SINCE_LAST_MILLISECONDS" each.
class TimedScreen : public GameScreen {
public:
    explicit TimedScreen(QWidget *parent = nullptr);

    void paintScene(BitmapId picture) override;
    void paintKitten(Cell cell, KittenPose pose) override;

private:
    QFile log_;
    QElapsedTimer repaint_;
    QElapsedTimer sinceLast_;
};
