// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollArea>

// The corner's short guide for a parent: what the child does, what the four kinds of squares
// do, with their icons, and how the three levels differ.
class GuidePage : public QScrollArea {
    Q_OBJECT
public:
    explicit GuidePage(QWidget *parent = nullptr);
};
