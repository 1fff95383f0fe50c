// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

// The connection to the window system. Qt ends a program that finds no usable display (no
// display server to reach, or no platform plugin that can reach one) by aborting after several
// lines of its own; here that becomes one line on standard error and a failure status, and
// what Qt says while a connection succeeds is passed on as usual.
namespace WindowSystem {

// The application, connected to the display; ends the program when there is none.
std::unique_ptr<QApplication> connect(int &argc, char *argv[]);

} // namespace WindowSystem
