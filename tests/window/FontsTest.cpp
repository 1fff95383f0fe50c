// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <QXmlStreamReader>

#include <algorithm>
#include <map>

// This program runs once with the machine's fonts and once with none at all: the game's text
// must look the same either way.

namespace {

const QString Family = QStringLiteral("Hanzi Kitten Kai");
const QString ParentsFamily = QStringLiteral("Hanzi Kitten Kai Parents");

// Every text a face must show, by where it comes from.
using Texts = std::map<QString, QString>;

// The words and poems for the game; the words and their pinyin for the parents' corner.
void addContent(Texts &game, Texts &corner)
{
    const Content content = Content::builtIn();
    for (int group = 0; group < Text::GroupCount; ++group) {
        for (int k = 0; k < Content::WordsPerGroup; ++k)
            game[QStringLiteral("word group %1").arg(group)] +=
                content.word(content.groupWord(group, k));
    }
    for (int word = 0; word < content.wordCount(); ++word)
        corner[QStringLiteral("words and pinyin")] += content.word(word) + content.pinyin(word);
    for (int p = 0; p < Text::PoemCount; ++p) {
        const Poem &poem = content.poem(p);
        QString &text = game[QStringLiteral("poem %1").arg(p)];
        text = poem.title + poem.poet;
        for (const QString &line : poem.lines)
            text += line;
    }
}

// The string literals of the sources that hold a character beyond ASCII: the window titles,
// the tool tip, the help text for the game, and the corner's own for the corner. The command
// line's go to the terminal.
void addLiterals(Texts &game, Texts &corner)
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
        const QString where = name.mid(sources.size() + 1);
        Texts &texts = where.startsWith(QLatin1String("corner/")) ? corner : game;
        for (const auto &match : literal.globalMatch(code)) {
            const QString text = match.captured(1);
            if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; }))
                texts[where] += text;
        }
    }
}

// The translations the parents' corner shows, by context; the command line's go to the
// terminal. The corner's English is the sources' ASCII.
void addTranslations(Texts &corner)
{
    QDirIterator files(QStringLiteral(HK_SOURCE_DIR "/translations"), {QStringLiteral("*.ts")});
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QXmlStreamReader ts(&file);
        QString context;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == QLatin1String("name"))
                context = ts.readElementText();
            else if (ts.name() == QLatin1String("translation") &&
                     context != QLatin1String("CommandLine"))
                corner[QStringLiteral("translation ") + context] += ts.readElementText();
        }
        EXPECT_FALSE(ts.hasError()) << file.fileName().toStdString();
    }
    for (char16_t c = 0x21; c < 0x7f; ++c)
        corner[QStringLiteral("ASCII")] += QChar(c);
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

// Fails where a built-in face lacks a character of the texts.
void expectFaceHolds(const QString &file, const QString &family, const Texts &texts)
{
    QFile font(QStringLiteral(":/fonts/%1.ttf").arg(file));
    ASSERT_TRUE(font.open(QIODevice::ReadOnly)) << file.toStdString();
    const QRawFont face(font.readAll(), 20);
    ASSERT_TRUE(face.isValid());
    EXPECT_EQ(face.familyName(), family);
    for (const auto &[where, text] : texts)
        EXPECT_EQ(missing(face, text), QString())
            << file.toStdString() << " lacks these of " << where.toStdString();
}

// The built-in faces must hold every character of every text the game can show, and the
// corner's face every character of the corner in both its languages, or that character would
// show as a box (or in another machine font). Regenerating the fonts with
// tools/assets/fonts/make-font.py after changing a text or a translation fixes this.
TEST(Fonts, theFontsHoldEveryCharacterTheyMustShow)
{
    Texts game, corner;
    addContent(game, corner);
    addLiterals(game, corner);
    addTranslations(corner);
    ASSERT_TRUE(game.count(QStringLiteral("help/HelpWindow.cpp")));
    ASSERT_TRUE(corner.count(QStringLiteral("translation ParentsCorner")));
    for (const char *weight : {"Regular", "Bold"})
        expectFaceHolds(QStringLiteral("HanziKittenKai-") + weight, Family, game);
    expectFaceHolds(QStringLiteral("HanziKittenKaiParents-Regular"), ParentsFamily, corner);
}

// Captions and poems are set in the bold face, the poet line, the help text and the tool tips
// in the regular one, the parents' corner in its own: the built-in faces, found by name
// whatever else the machine has.
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
    EXPECT_EQ(QFontInfo(Fonts::parentText()).family(), ParentsFamily);
    EXPECT_TRUE(QFontMetrics(Fonts::parentText()).inFontUcs4(U'园'));
}

} // namespace
