// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// The path of built-in resource id in folder ("bitmaps", "sounds", "strings") with the given
// file suffix.
QString resourceFilePath(const char *folder, int id, const char *suffix);
// The bytes of the built-in resource at path. Resources are part of the program, so a missing
// one stops it with a message naming the file.
QByteArray readResourceFile(const QString &path);
// The same, by folder, number and suffix.
QByteArray readResourceFile(const char *folder, int id, const char *suffix);
