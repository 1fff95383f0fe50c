// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollArea>

// The corner's About page: the version, the licence and the credits.
class AboutPage : public QScrollArea {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);
};
