// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const QList<int> IconSizes = {16, 24, 32, 48, 64, 128, 256};

// The Windows program's icon file, which Explorer, the Start menu and the installer show, is
// made from the kitten's pictures: every one of them is in it, at its size, pixel for pixel.
TEST(WindowsIcon, holdsEveryKittenPictureAtItsSizeUnchanged)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString icon = folder.filePath(QStringLiteral("kitten.ico"));
    QStringList arguments = {QStringLiteral(HK_SOURCE_DIR "/packaging/windows/make-ico.py"), icon};
    for (int size : IconSizes)
        arguments << QStringLiteral(HK_SOURCE_DIR "/resources/icon/%1.png").arg(size);
    QProcess make;
    make.start(QStringLiteral(HK_PYTHON), arguments);
    ASSERT_TRUE(make.waitForFinished(30000));
    ASSERT_EQ(make.exitCode(), 0) << make.readAllStandardError().toStdString();

    QImageReader reader(icon, "ico");
    ASSERT_EQ(reader.imageCount(), IconSizes.size()) << reader.errorString().toStdString();
    for (int i = 0; i < IconSizes.size(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage drawn =
            QImage(QStringLiteral(HK_SOURCE_DIR "/resources/icon/%1.png").arg(IconSizes[i]))
                .convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(read.size(), drawn.size()) << "picture " << i;
        EXPECT_TRUE(read == drawn) << "picture " << i << " differs from its PNG";
    }
}

} // namespace
