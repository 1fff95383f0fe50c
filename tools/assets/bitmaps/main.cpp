// draw-bitmaps: draws every bitmap of the game as NNN.bmp, or lays finished bitmaps out on one
// contact sheet for review.
//
//   draw-bitmaps OUTDIR
//   draw-bitmaps --contact-sheet FILE.png [BMPDIR]   (BMPDIR defaults to resources/bitmaps)

#include "BitmapCatalogue.h"
#include "BmpFile.h"
#include "ContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: draw-bitmaps OUTDIR\n"
                           "       draw-bitmaps --contact-sheet FILE.png [BMPDIR]\n";
    return 2;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "draw-bitmaps: " << message << '\n';
    return 1;
}

int drawAll(const QString &outDir)
{
    if (!QDir().mkpath(outDir))
        return fail("cannot create " + outDir);
    for (const CatalogueEntry &entry : bitmapCatalogue()) {
        const QImage picture = entry.draw();
        if (picture.size() != entry.size)
            return fail(QStringLiteral("bitmap %1 came out the wrong size").arg(entry.number));
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.bmp").arg(entry.number));
        if (!BmpFile::write24Bit(picture, path))
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
    if ((args.size() == 2 || args.size() == 3) && args[0] == "--contact-sheet") {
        const QString bmpDir = args.value(2, QStringLiteral("resources/bitmaps"));
        if (!ContactSheet::write(bmpDir, args[1]))
            return fail("cannot make a contact sheet of " + bmpDir + " as " + args[1]);
        return 0;
    }
    return usage();
}
