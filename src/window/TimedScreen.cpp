// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TimedScreen.h"

#include "Catalogue.h"

TimedScreen::TimedScreen(QWidget *parent) : GameScreen(parent)
{
    log_.setFileName(qEnvironmentVariable("HK_BENCH_LOG"));
    if (!log_.fileName().isEmpty())
        log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void TimedScreen::paintScene(BitmapId picture)
{
    // Only a level's scene begins a full repaint; the end and chance scenes stand alone.
    if (picture.number >= Bitmap::scene(1).number &&
        picture.number <= Bitmap::scene(LevelCount).number)
        repaint_.start();
    GameScreen::paintScene(picture);
}

void TimedScreen::paintKitten(Cell cell, KittenPose pose)
{
    GameScreen::paintKitten(cell, pose);
    if (pose != KittenPose::Standing || !repaint_.isValid())
        return;
    const qint64 micros = repaint_.nsecsElapsed() / 1000;
    const qint64 since = sinceLast_.isValid() ? sinceLast_.elapsed() : -1;
    repaint_.invalidate();
    sinceLast_.start();
    if (log_.isOpen())
        log_.write(QStringLiteral("repaint %1 %2\n").arg(micros).arg(since).toLatin1());
}
