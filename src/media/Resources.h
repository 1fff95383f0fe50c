#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The pictures, sounds and strings built into the program, fetched by their number.
// They are part of the program, so a missing one is a programming error: the lookup stops
// the program with a message naming the resource.
namespace Resources {

QImage bitmap(int id);
// The complete RIFF WAVE file of sound resource id.
QByteArray sound(int id);
// The exact UTF-8 text of string resource id.
QString string(int id);

} // namespace Resources
