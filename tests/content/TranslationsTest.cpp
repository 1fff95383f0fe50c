// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The %1, %2 ... a text fills in, in order.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (const auto &match : placeholder.globalMatch(text))
        found << match.captured();
    std::ranges::sort(found);
    return found;
}

// Every text the sources give a translation function has its Simplified Chinese translation,
// which fills in the same placeholders; and the file holds exactly what lupdate gathers from
// the sources now, nothing new and nothing gone (cmake --build build --target
// update-translations brings it up to date).
TEST(Translations, everyParentTextIsTranslatedWithItsPlaceholders)
{
    const QString ts = QStringLiteral(HK_SOURCE_DIR "/translations/hanzi-kitten_zh_CN.ts");
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("copy.ts"));
    ASSERT_TRUE(QFile::copy(ts, copy));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(HK_SOURCE_DIR));
    lupdate.start(QStringLiteral(HK_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("src"), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    EXPECT_EQ(contents(copy), contents(ts)) << "translations/ is not up to date with src/";

    QFile file(ts);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QString source;
    int messages = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("source")) {
            source = reader.readElementText();
        } else if (reader.name() == QLatin1String("translation")) {
            ++messages;
            EXPECT_TRUE(reader.attributes().value(QLatin1String("type")).isEmpty())
                << source.toStdString();
            const QString translation = reader.readElementText();
            EXPECT_FALSE(translation.isEmpty()) << source.toStdString();
            EXPECT_EQ(placeholders(translation), placeholders(source)) << source.toStdString();
        }
    }
    EXPECT_FALSE(reader.hasError());
    EXPECT_GT(messages, 50);
}

} // namespace
