// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// draw-bitmaps: draws every bitmap of the game as NNN.bmp with its sharper variants for
// high-resolution screens, NNN@2x.png and NNN@3x.png; or the program's icon at the sizes desktops
// ask for; or lays finished bitmaps out on one contact sheet for review.
//
//   draw-bitmaps OUTDIR
//   draw-bitmaps --app-icon OUTDIR                   (SIZE.png for each icon size)
//   draw-bitmaps --contact-sheet FILE.png [BMPDIR]   (BMPDIR defaults to resources/bitmaps)

#include "AppIcon.h"
#include "BitmapCatalogue.h"
#include "BmpFile.h"
#include "ContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: draw-bitmaps OUTDIR\n"
                           "       draw-bitmaps --app-icon OUTDIR\n"
                           "       draw-bitmaps --contact-sheet FILE.png [BMPDIR]\n";
    return 2;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "draw-bitmaps: " << message << '\n';
    return 1;
}

// Writes a PNG with fixed header fields, so every run gives the same bytes.
bool writePng(QImage picture, const QString &path)
{
    picture.setDevicePixelRatio(1);
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    writer.setQuality(0); // the strongest compression
    return writer.write(picture);
}

int drawAll(const QString &outDir)
{
    if (!QDir().mkpath(outDir))
        return fail("cannot create " + outDir);
    for (const CatalogueEntry &entry : bitmapCatalogue()) {
        for (int scale = 1; scale <= 3; ++scale) {
            const QImage picture = entry.draw(scale);
            if (picture.size() != entry.size * scale)
                return fail(QStringLiteral("bitmap %1 came out the wrong size at %2x")
                                .arg(entry.number)
                                .arg(scale));
            const QString name = scale == 1
                                     ? QStringLiteral("%1.bmp").arg(entry.number)
                                     : QStringLiteral("%1@%2x.png").arg(entry.number).arg(scale);
            const QString path = QDir(outDir).filePath(name);
            const bool written =
                scale == 1 ? BmpFile::write24Bit(picture, path) : writePng(picture, path);
            if (!written)
                return fail("cannot write " + path);
        }
    }
    return 0;
}

int drawAppIcon(const QString &outDir)
{
    if (!QDir().mkpath(outDir))
        return fail("cannot create " + outDir);
    for (int size : AppIcon::sizes()) {
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.png").arg(size));
        if (!writePng(AppIcon::draw(size), path))
            return fail("cannot write " + path);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && !args[0].startsWith("--"))
        return drawAll(args[0]);
    if (args.size() == 2 && args[0] == "--app-icon")
        return drawAppIcon(args[1]);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "--contact-sheet") {
        const QString bmpDir = args.value(2, QStringLiteral("resources/bitmaps"));
        if (!ContactSheet::write(bmpDir, args[1]))
            return fail("cannot make a contact sheet of " + bmpDir + " as " + args[1]);
        return 0;
    }
    return usage();
}
