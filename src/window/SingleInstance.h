// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QLocalServer;
class QWidget;

// One game at a time for each user. The first game holds a lock file in the user's runtime
// folder and listens on a local socket beside it; a game started while it runs asks it to
// bring its window to the front, and leaves.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // Whether this is the only game: false when another game runs, which has then been asked
    // to come to the front.
    bool isOnlyGame();
    // Brings window to the front whenever another start asks for the game.
    void bringToFrontOnRequest(QWidget *window);

private:
    void onAskedForTheGame();

    QString socketName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    QPointer<QWidget> window_;
};
