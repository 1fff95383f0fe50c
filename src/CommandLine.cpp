// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "Console.h"
#include "ParentLanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

const QString Name = QStringLiteral("hanzi-kitten");
// Option descriptions are wrapped to fit a terminal this wide.
constexpr int TerminalColumns = 79;

using ParentLanguage::translate;

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            translate("CommandLine", "Displays this help and quits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               translate("CommandLine", "Displays the version and quits.")};
    QCommandLineOption seed{
        QStringLiteral("seed"),
        translate("CommandLine",
                  "Repeats every random draw of a game: the spinner, the chance squares, the "
                  "quizzes."),
        QStringLiteral("N")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        translate("CommandLine",
                  "Saves the start screen as a PNG picture, at the screen's pixel ratio, and "
                  "quits."),
        QStringLiteral("FILE")};
    QCommandLineOption dataDir{
        QStringLiteral("data-dir"),
        translate("CommandLine",
                  "Keeps the learning record and the settings in DIR instead of the user's data "
                  "folder."),
        QStringLiteral("DIR")};
    QCommandLineOption report{
        QStringLiteral("report"),
        translate("CommandLine",
                  "Prints what the child has learnt, word by word and day by day, and quits.")};

    QList<QCommandLineOption> all() const
    {
        return {help, version, seed, screenshot, dataDir, report};
    }
};

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// "-h, --help", "--seed <N>".
QString namesOf(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    const QString value = option.valueName();
    return names.join(QStringLiteral(", ")) + (value.isEmpty() ? QString() : " <" + value + ">");
}

// Text broken at its spaces into lines of at most width characters, the later lines indented;
// a text without spaces, as Chinese is written, stays one line.
QString wrapped(const QString &text, int indent, int width)
{
    QString lines;
    int lineLength = 0;
    for (const QString &word : text.split(u' ')) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            lines += u'\n' + QString(indent, u' ');
            lineLength = 0;
        } else if (lineLength > 0) {
            lines += u' ';
            lineLength += 1;
        }
        lines += word;
        lineLength += static_cast<int>(word.size());
    }
    return lines;
}

// The help, all in the parent's language: Qt's own would keep Qt's English headings.
QString helpText(const QList<QCommandLineOption> &options)
{
    qsizetype namesWidth = 0;
    for (const QCommandLineOption &option : options)
        namesWidth = std::max(namesWidth, namesOf(option).size());
    const int indent = 2 + static_cast<int>(namesWidth) + 2;
    QString text = translate("CommandLine", "Usage: %1 [options]").arg(Name) + u'\n' +
                   translate("CommandLine",
                             "Hanzi Kitten (小猫学汉字): a board game for young children learning "
                             "to read Chinese characters.") +
                   QStringLiteral("\n\n") + translate("CommandLine", "Options:") + u'\n';
    for (const QCommandLineOption &option : options)
        text += QStringLiteral("  ") + namesOf(option).leftJustified(namesWidth + 2) +
                wrapped(option.description(), indent, TerminalColumns - indent) + u'\n';
    return text;
}

} // namespace

CommandLine CommandLine::read(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(Name);
    QCoreApplication::setApplicationVersion(QStringLiteral(HK_VERSION));
    QCommandLineParser parser;
    const Options options;
    parser.addOptions(options.all());
    CommandLine read;
    if (!parser.parse(argumentsOf(argc, argv)))
        read.refuse(parser.errorText());
    else if (parser.isSet(options.help))
        read.answer(helpText(options.all()));
    else if (parser.isSet(options.version))
        read.answer(QStringLiteral("%1 %2\n").arg(Name, QStringLiteral(HK_VERSION)));
    else if (!parser.positionalArguments().isEmpty())
        read.refuse(translate("CommandLine", "Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().first()));
    else if (parser.isSet(options.seed))
        read.readSeed(parser.value(options.seed));
    read.screenshot_ = parser.value(options.screenshot);
    read.dataDir_ = parser.value(options.dataDir);
    read.report_ = parser.isSet(options.report);
    return read;
}

void CommandLine::answer(const QString &text)
{
    Console::print(stdout, text);
    exitStatus_ = Answered;
}

void CommandLine::refuse(const QString &error)
{
    const QString message =
        translate("CommandLine", "%1\nTry '%2 --help' for more information.").arg(error, Name);
    // Said as sayOnStderr() says it; nothing else runs yet.
    Console::print(stderr, QStringLiteral("%1: %2\n").arg(Name, message));
    exitStatus_ = UsageError;
}

void CommandLine::readSeed(const QString &value)
{
    bool ok = false;
    seed_ = value.toUInt(&ok);
    if (!ok)
        refuse(translate("CommandLine", "--seed takes a whole number from 0 to %1.")
                   .arg(std::numeric_limits<unsigned>::max()));
}
