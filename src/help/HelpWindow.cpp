// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"

#include <QLabel>
#include <QStringList>

namespace {
constexpr int ClientWidth = 388;
constexpr int ClientHeight = 287;
const QRect TextArea(8, 8, 369, 273);

// Five paragraphs with a blank line between each pair.
QString instructions()
{
    const QStringList paragraphs = {
        QStringLiteral("游戏说明：游戏通过一个小故事引导孩子学习汉字，其中包括教汉字，"
                       "测试汉字掌握情况，背唐诗等几个环节。游戏分为三级，难度逐渐加深。"
                       "三级全部通过后，孩子可以基本掌握所学汉字。"),
        QStringLiteral("游戏方法：点击转盘开始游戏，转盘显示的数字表示"
                       "要走的格数,小猫会自动走到该格进入相应环节。"),
        QStringLiteral("教汉字环节：每个字词都配有图片，加强孩子对字词的理解及记忆，用鼠标点击"
                       "字词，会有该字词的发音。都学会了以后，点击小蜜蜂退出此环节，点击转盘"
                       "继续游戏。"),
        QStringLiteral("测试环节：游戏每给出一个字词，要用鼠标点击相应字词，如果没有听清，可以点击"
                       "小蝌蚪再听一遍。全部点对即可过关。过关后点击转盘继续游戏。"),
        QStringLiteral("背唐诗:进入此环节游戏会朗诵一首唐诗。听完唐诗后点击转盘继续游戏。"),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

// White with black text, whatever the desktop's theme.
void paintWhite(QWidget &widget)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget.setPalette(palette);
}
} // namespace

HelpWindow::HelpWindow(QWidget *mainWindow) : CentredDialog(mainWindow)
{
    setWindowTitle(QStringLiteral("帮助"));
    setFixedSize(ClientWidth, ClientHeight);
    paintWhite(*this);

    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("instructions"));
    text->setGeometry(TextArea);
    paintWhite(*text);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setText(instructions());
}
