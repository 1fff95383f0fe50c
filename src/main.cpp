#include "Content.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// Reads the command line; answers --help and --version, and a malformed one, by exiting.
// Returns the seed given with --seed, if any.
std::optional<unsigned> readCommandLine(const QCoreApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("hanzi-kitten"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hanzi Kitten (小猫学汉字): a board game for young children learning to "
                       "read Chinese characters."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Repeats every random draw of a game: the "
                                                 "spinner, the chance squares, the quizzes."),
                                  QStringLiteral("N"));
    parser.addOption(seed);
    parser.process(app);
    if (!parser.isSet(seed))
        return std::nullopt;
    bool ok = false;
    const unsigned value = parser.value(seed).toUInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "hanzi-kitten: --seed takes a whole number from 0 to %u\n", ~0u);
        std::exit(EXIT_FAILURE);
    }
    return value;
}

// --help and --version are answered without opening a display.
bool asksForInformationOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-v", "--version", "--help-all"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForInformationOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        readCommandLine(app);
    }
    QApplication app(argc, argv);
    const std::optional<unsigned> seed = readCommandLine(app);
    Fonts::installSubstitutions();
    if (const QString warning = Fonts::missingFontsWarning(); !warning.isEmpty())
        std::fprintf(stderr, "hanzi-kitten: %s\n", qPrintable(warning));
    const Content content = Content::builtIn();
    QtPlatform platform(seed);
    MainWindow window(platform, content);
    window.show();
    return app.exec();
}
