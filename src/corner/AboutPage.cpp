// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutPage.h"

#include <QCoreApplication>
#include <QLabel>

AboutPage::AboutPage(QWidget *parent) : QScrollArea(parent)
{
    const QString text =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><p>%5</p>")
            .arg(tr("Hanzi Kitten (小猫学汉字), version %1")
                     .arg(QCoreApplication::applicationVersion()),
                 tr("A board game for young children learning to read Chinese characters."),
                 tr("Free software under the GNU General Public License, version 3 or later: you "
                    "may share and change it under its terms. It comes with no warranty."),
                 tr("The speech is made with eSpeak NG and the sound effects with SoX; the "
                    "pictures are drawn partly from Noto Color Emoji (SIL Open Font License 1.1) "
                    "and DejaVu Sans glyphs. The type face is LXGW WenKai, cut down, under the "
                    "SIL Open Font License 1.1."),
                 tr("Built with Qt 6 and SDL 2."));
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("about"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setMargin(12);
    setWidget(label);
    setWidgetResizable(true);
}
