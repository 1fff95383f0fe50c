#include "Fonts.h"
#include "Content.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QRegularExpression>
#include <QToolTip>

#include <algorithm>
#include <map>

// This program runs once with the machine's fonts and once with none at all: the game's text
// must look the same either way.

namespace {

const QString Family = QStringLiteral("Hanzi Kitten Kai");

// Every text the game can show, by where it comes from.
using Texts = std::map<QString, QString>;

void addContent(Texts &texts)
{
    const Content content = Content::builtIn();
    for (int group = 0; group < Text::GroupCount; ++group) {
        for (int k = 0; k < Content::WordsPerGroup; ++k)
            texts[QStringLiteral("word group %1").arg(group)] +=
                content.word(content.groupWord(group, k));
    }
    for (int p = 0; p < Text::PoemCount; ++p) {
        const Poem &poem = content.poem(p);
        QString &text = texts[QStringLiteral("poem %1").arg(p)];
        text = poem.title + poem.poet;
        for (const QString &line : poem.lines)
            text += line;
    }
}

// The string literals of the sources that hold a character beyond ASCII: the window titles,
// the tool tip, the help text. The command line's go to the terminal.
void addLiterals(Texts &texts)
{
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    static const QRegularExpression lineComment(QStringLiteral("//[^\n]*"));
    const QString sources = QStringLiteral(HK_SOURCE_DIR "/src");
    QDirIterator files(sources, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString name = files.next();
        if (name.endsWith(QLatin1String("/CommandLine.cpp")))
            continue;
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString code = QString::fromUtf8(file.readAll()).remove(lineComment);
        for (const auto &match : literal.globalMatch(code)) {
            const QString text = match.captured(1);
            if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; }))
                texts[name.mid(sources.size() + 1)] += text;
        }
    }
}

// The characters of a text that a face lacks.
QString missing(const QRawFont &face, const QString &text)
{
    QString lacking;
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isSpace(c) && !face.supportsCharacter(c))
            lacking += QString::fromUcs4(&c, 1);
    }
    return lacking;
}

// The built-in faces must hold every character of every text the game can show, or that
// character would show as a box (or in another machine font). Regenerating the font with
// tools/assets/fonts/make-font.py after changing a text fixes this.
TEST(Fonts, theFontHoldsEveryCharacterTheGameCanShow)
{
    Texts texts;
    addContent(texts);
    addLiterals(texts);
    ASSERT_TRUE(texts.count(QStringLiteral("help/HelpWindow.cpp")));
    for (const QString &weight : {QStringLiteral("Regular"), QStringLiteral("Bold")}) {
        QFile file(QStringLiteral(":/fonts/HanziKittenKai-%1.ttf").arg(weight));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << weight.toStdString();
        const QRawFont face(file.readAll(), 20);
        ASSERT_TRUE(face.isValid());
        EXPECT_EQ(face.familyName(), Family);
        for (const auto &[where, text] : texts)
            EXPECT_EQ(missing(face, text), QString()) << weight.toStdString() << " lacks these "
                                                      << "of " << where.toStdString();
    }
}

// Captions and poems are set in the bold face, the poet line, the help text and the tool tips
// in the regular one: the built-in faces, found by name whatever else the machine has.
TEST(Fonts, theGameSetsItsTextInItsOwnFacesOnAnyMachine)
{
    Fonts::install();
    const std::map<std::string, std::pair<QFont, QString>> uses = {
        {"caption", {Fonts::caption(), QStringLiteral("Bold")}},
        {"poem", {Fonts::poemText(2), QStringLiteral("Bold")}},
        {"poet", {Fonts::poemAuthor(), QStringLiteral("Regular")}},
        {"help text", {QApplication::font(), QStringLiteral("Regular")}},
        {"tool tip", {QToolTip::font(), QStringLiteral("Regular")}},
    };
    for (const auto &[use, font] : uses) {
        EXPECT_EQ(QFontInfo(font.first).family(), Family) << use;
        EXPECT_EQ(QRawFont::fromFont(font.first).styleName(), font.second) << use;
        EXPECT_TRUE(QFontMetrics(font.first).inFontUcs4(U'猫')) << use;
    }
}

} // namespace
