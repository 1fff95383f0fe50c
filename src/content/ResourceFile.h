#pragma once

#include <QByteArray>
#include <QString>

// The bytes of built-in resource id in folder ("bitmaps", "sounds", "strings") with the given
// file suffix. Resources are part of the program, so a missing one stops it with a message
// naming the file.
QByteArray readResourceFile(const char *folder, int id, const char *suffix);
QString resourceFilePath(const char *folder, int id, const char *suffix);
