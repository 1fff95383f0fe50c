#pragma once

#include <QByteArray>
#include <QImage>

// The pictures and sounds built into the program, by their number (see Catalogue.h). They are
// part of the program, so a missing one stops it with a message naming the resource.
namespace Resources {

QImage bitmap(int id);
// The complete RIFF WAVE file of a sound.
QByteArray sound(int id);

} // namespace Resources
