// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <utility>
#include <vector>

// The program's command line run as a terminal runs it, without a display: it answers or
// refuses and ends, and never aborts.

namespace {

struct Ending {
    QProcess::ExitStatus exitStatus;
    int exitCode;
    QString out;
    QString err;
};

// What the program wrote, in UTF-8 (as on Linux, and on Windows to a pipe), its lines ended as
// on Linux (Windows ends them with a carriage return too).
QString textOf(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).remove(u'\r');
}

// Runs the program with no display to reach, on Qt's default platform unless told another, for
// a parent who reads English unless told another language.
Ending run(const QStringList &arguments, const QString &platform = QString(),
           const QString &language = QStringLiteral("en_GB"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(HK_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    return {program.exitStatus(), program.exitCode(), textOf(program.readAllStandardOutput()),
            textOf(program.readAllStandardError())};
}

// --help and --version answer on standard output and end with success before any display
// is needed, in their long and short forms.
TEST(CommandLine, answersHelpAndVersionWithoutADisplay)
{
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Ending help = run({option});
        EXPECT_EQ(help.exitStatus, QProcess::NormalExit);
        EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith(QLatin1String("Usage: hanzi-kitten [options]\n")))
            << help.out.toStdString();
        for (const char *documented :
             {"--seed <N>", "--screenshot <FILE>", "--version", "--data-dir <DIR>", "--report"})
            EXPECT_TRUE(help.out.contains(QLatin1String(documented))) << documented;
        EXPECT_EQ(help.err, QString());
    }
    for (const QString &option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const Ending version = run({option});
        EXPECT_EQ(version.exitStatus, QProcess::NormalExit);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, QStringLiteral("hanzi-kitten " HK_VERSION "\n"));
    }
}

// A Chinese-speaking parent reads the help and the report in Chinese, without a display. A
// record that cannot be read is kept aside, said once on stderr, and the report says so.
TEST(CommandLine, reportsInTheParentsLanguageWithoutADisplay)
{
    // The environment chooses the parent's language on Linux; Windows' own setting does there.
#ifndef _WIN32
    const Ending help = run({QStringLiteral("--help")}, {}, QStringLiteral("zh_CN"));
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("用法：hanzi-kitten [选项]\n")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--report             逐个词语")));
#endif

    QTemporaryDir folder;
    QFile damaged(folder.filePath(QStringLiteral("record.json")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"format\": 1, \"words\": ");
    damaged.close();
    const QStringList report = {QStringLiteral("--report"), QStringLiteral("--data-dir"),
                                folder.path()};
    const Ending english = run(report);
    EXPECT_EQ(english.exitCode, 0) << english.err.toStdString();
    EXPECT_TRUE(english.out.contains(QStringLiteral("The record started afresh on ")));
    EXPECT_TRUE(english.out.contains(QStringLiteral("厨房\tchúfáng\tnot yet\t0\tnot asked yet\n")));
    EXPECT_TRUE(english.err.contains(QStringLiteral("is damaged or cut short")));
    EXPECT_EQ(english.err.count(u'\n'), 1) << english.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);

#ifndef _WIN32
    const Ending chinese = run(report, {}, QStringLiteral("zh_CN"));
    EXPECT_TRUE(chinese.out.contains(QStringLiteral("记录于 "))) << chinese.out.toStdString();
    EXPECT_TRUE(chinese.out.contains(QStringLiteral("厨房\tchúfáng\t未学\t0\t未测试\n")));
    EXPECT_EQ(chinese.err, QString());
#endif
}

// A command line the program does not understand is a usage error (status 2) that names
// what is wrong and where help is, whether a display could be reached or not.
TEST(CommandLine, aMalformedCommandLineIsAUsageErrorAnywhere)
{
    const std::vector<std::pair<QStringList, QString>> malformed = {
        {{QStringLiteral("--bogus")}, QStringLiteral("Unknown option 'bogus'.")},
        {{QStringLiteral("--seed"), QStringLiteral("x")}, QStringLiteral("--seed takes")},
        {{QStringLiteral("--seed")}, QStringLiteral("Missing value after '--seed'.")},
        {{QStringLiteral("extra")}, QStringLiteral("Unexpected argument 'extra'.")},
    };
    for (const QString &platform : {QString(), QStringLiteral("offscreen")}) {
        for (const auto &[arguments, error] : malformed) {
            const Ending refused = run(arguments, platform);
            const std::string what = arguments.join(u' ').toStdString();
            EXPECT_EQ(refused.exitStatus, QProcess::NormalExit) << what;
            EXPECT_EQ(refused.exitCode, 2) << what << ": " << refused.err.toStdString();
            EXPECT_TRUE(refused.err.startsWith(QStringLiteral("hanzi-kitten: ") + error)) << what;
            EXPECT_TRUE(refused.err.contains(QLatin1String("'hanzi-kitten --help'"))) << what;
            EXPECT_EQ(refused.out, QString()) << what;
        }
    }
}

// Windows always has its display: only a platform plugin of no such name could fail there.
#ifndef _WIN32
// Without a usable display (none to connect to, or no platform plugin of that name) the
// program says so in one line and fails, where Qt alone would abort after several lines.
TEST(CommandLine, noUsableDisplayIsOneLineAndAFailure)
{
    for (const QString &platform : {QString(), QStringLiteral("xcb"), QStringLiteral("no-such")}) {
        const Ending game = run({QStringLiteral("--seed"), QStringLiteral("1")}, platform);
        EXPECT_EQ(game.exitStatus, QProcess::NormalExit) << platform.toStdString();
        EXPECT_EQ(game.exitCode, 1) << platform.toStdString();
        EXPECT_TRUE(game.err.startsWith(QLatin1String("hanzi-kitten: cannot open the game's "
                                                      "window: ")))
            << game.err.toStdString();
        EXPECT_EQ(game.err.count(u'\n'), 1) << game.err.toStdString();
    }
}

#endif

} // namespace
