#include "Catalogue.h"
#include "Content.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "SingleInstance.h"
#include "Stderr.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

struct CommandLine {
    std::optional<unsigned> seed;
    // Where --screenshot saves the start screen, if asked.
    QString screenshot;
};

// Reads the command line; answers --help and --version, and a malformed one, by exiting.
CommandLine readCommandLine(const QCoreApplication &app)
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
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Saves the start screen as a PNG picture, at the screen's pixel ratio, "
                       "and quits."),
        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);
    CommandLine read{std::nullopt, parser.value(screenshot)};
    if (!parser.isSet(seed))
        return read;
    bool ok = false;
    read.seed = parser.value(seed).toUInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "hanzi-kitten: --seed takes a whole number from 0 to %u\n", ~0u);
        std::exit(EXIT_FAILURE);
    }
    return read;
}

// The game runs without its step sound file (a click on the board then plays a short beep),
// but an installation that lost it should say so.
void warnIfTheStepSoundIsMissing(const Platform &platform)
{
    if (!QFileInfo::exists(platform.dataFile(QLatin1String(Sound::StepFile))))
        sayOnStderr(QStringLiteral("%1 is neither in %2 nor in %3")
                        .arg(QLatin1String(Sound::StepFile), platform.programFolder(),
                             platform.dataFolder()));
}

// Saves the window as it is first shown and closes it, which ends the game as usual; saved
// tells whether the file was written.
void takeScreenshot(MainWindow &window, const QString &file, bool &saved)
{
    QTimer::singleShot(0, &window, [&window, file, &saved] {
        saved = window.grab().save(file, "PNG");
        if (!saved)
            std::fprintf(stderr, "hanzi-kitten: cannot write %s\n", qPrintable(file));
        window.close();
    });
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size));
    return icon;
}

// What need not hold up the first screen: reading every font on the machine to see whether
// one has Chinese characters, and decoding the program's icon at every size.
void finishStartingUp()
{
    if (const QString warning = Fonts::missingFontsWarning(); !warning.isEmpty())
        sayOnStderr(warning);
    QApplication::setWindowIcon(programIcon());
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
    const CommandLine commandLine = readCommandLine(app);
    // A second start brings the running game to the front instead; a screenshot is taken of a
    // game of its own.
    SingleInstance instance;
    if (commandLine.screenshot.isEmpty() && !instance.isOnlyGame())
        return EXIT_SUCCESS;
    // Desktops match the window to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HK_APP_ID));
    Fonts::installSubstitutions();
    const Content content = Content::builtIn();
    QtPlatform platform(commandLine.seed);
    warnIfTheStepSoundIsMissing(platform);
    // The device opens while the window is made.
    platform.startSound();
    MainWindow window(platform, content);
    instance.bringToFrontOnRequest(&window);
    window.show();
    // By then the first screen is painted.
    QTimer::singleShot(std::chrono::milliseconds(250), &finishStartingUp);
    bool saved = true;
    if (!commandLine.screenshot.isEmpty())
        takeScreenshot(window, commandLine.screenshot, saved);
    const int status = app.exec();
    return saved ? status : EXIT_FAILURE;
}
