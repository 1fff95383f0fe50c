// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The number of the built-in sound whose file is wave, byte for byte, or -1 if none is: how the
// tests and the monkey tell which sound the game asked for.
int soundNumberOf(const QByteArray &wave);
