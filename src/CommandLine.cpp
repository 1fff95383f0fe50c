#include "CommandLine.h"

#include "Stderr.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <limits>

namespace {

const QString Name = QStringLiteral("hanzi-kitten");

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays this help and quits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays the version and quits.")};
    QCommandLineOption seed{QStringLiteral("seed"),
                            QStringLiteral("Repeats every random draw of a game: the spinner, "
                                           "the chance squares, the quizzes."),
                            QStringLiteral("N")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("Saves the start screen as a PNG picture, at the screen's pixel ratio, "
                       "and quits."),
        QStringLiteral("FILE")};
};

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Qt names the program in its usage line only once an application exists.
QString helpText(const QCommandLineParser &parser)
{
    return QStringLiteral("Usage: %1 [options]\n").arg(Name) + parser.helpText().section(u'\n', 1);
}

} // namespace

CommandLine CommandLine::read(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(Name);
    QCoreApplication::setApplicationVersion(QStringLiteral(HK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hanzi Kitten (小猫学汉字): a board game for young children learning to "
                       "read Chinese characters."));
    const Options options;
    parser.addOptions({options.help, options.version, options.seed, options.screenshot});
    CommandLine read;
    if (!parser.parse(argumentsOf(argc, argv)))
        read.refuse(parser.errorText());
    else if (parser.isSet(options.help))
        read.answer(helpText(parser));
    else if (parser.isSet(options.version))
        read.answer(QStringLiteral("%1 %2\n").arg(Name, QStringLiteral(HK_VERSION)));
    else if (!parser.positionalArguments().isEmpty())
        read.refuse(
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    else if (parser.isSet(options.seed))
        read.readSeed(parser.value(options.seed));
    read.screenshot_ = parser.value(options.screenshot);
    return read;
}

void CommandLine::answer(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    exitStatus_ = Answered;
}

void CommandLine::refuse(const QString &error)
{
    sayOnStderr(QStringLiteral("%1\nTry '%2 --help' for more information.").arg(error, Name));
    exitStatus_ = UsageError;
}

void CommandLine::readSeed(const QString &value)
{
    bool ok = false;
    seed_ = value.toUInt(&ok);
    if (!ok)
        refuse(QStringLiteral("--seed takes a whole number from 0 to %1.")
                   .arg(std::numeric_limits<unsigned>::max()));
}
