// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Catalogue.h"
#include "CommandLine.h"
#include "Console.h"
#include "Content.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "ParentLanguage.h"
#include "QtPlatform.h"
#include "RecordFile.h"
#include "RecordReport.h"
#include "SingleInstance.h"
#include "Stderr.h"
#include "WindowSystem.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

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

// What need not hold up the first screen, which shows no text: registering the game's font,
// which reads the list of the machine's fonts, and decoding the program's icon at every size.
void finishStartingUp()
{
    Fonts::install();
    QApplication::setWindowIcon(programIcon());
}

// The report needs no display: a plain application reads the record and prints it.
int printReport(int &argc, char *argv[], const CommandLine &commandLine)
{
    QCoreApplication app(argc, argv);
    ParentLanguage::install();
    const Content content = Content::builtIn();
    const QtPlatform platform(std::nullopt, commandLine.dataDir());
    RecordFile file(platform.recordFolder(), content.words());
    const SavedRecord record = file.load(platform.now());
    if (!file.problem().isEmpty())
        sayOnStderr(file.problem());
    Console::print(stdout, RecordReport::text(record, content, file.path()));
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char *argv[])
{
    ParentLanguage::load();
    const CommandLine commandLine = CommandLine::read(argc, argv);
    if (commandLine.answered())
        return commandLine.exitStatus();
    if (commandLine.report())
        return printReport(argc, argv, commandLine);
    const auto app = WindowSystem::connect(argc, argv);
    ParentLanguage::install();
    // A second start brings the running game to the front instead; a screenshot is taken of a
    // game of its own.
    SingleInstance instance;
    if (commandLine.screenshot().isEmpty() && !instance.isOnlyGame())
        return EXIT_SUCCESS;
    // Desktops match the window to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HK_APP_ID));
    const Content content = Content::builtIn();
    QtPlatform platform(commandLine.seed(), commandLine.dataDir());
    warnIfTheStepSoundIsMissing(platform);
    // The device opens while the window is made.
    platform.startSound();
    MainWindow window(platform, content);
    instance.bringToFrontOnRequest(&window);
    window.show();
    // By then the first screen is painted.
    QTimer::singleShot(std::chrono::milliseconds(250), &finishStartingUp);
    bool saved = true;
    if (!commandLine.screenshot().isEmpty())
        takeScreenshot(window, commandLine.screenshot(), saved);
    const int status = app->exec();
    return saved ? status : EXIT_FAILURE;
}
