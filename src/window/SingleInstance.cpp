// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace {

// How long a second start waits to reach the first game.
constexpr int ReachMilliseconds = 1000;

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// A local socket lies in the runtime folder, which belongs to the user; on Windows it is a
// named pipe, named for the user.
QString socketNameFor(const QString &folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return QStringLiteral("hanzi-kitten-") + qEnvironmentVariable("USERNAME");
#else
    return folder + QStringLiteral("/hanzi-kitten.socket");
#endif
}

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent), socketName_(socketNameFor(runtimeFolder())),
      lock_(runtimeFolder() + QStringLiteral("/hanzi-kitten.lock"))
{
    // A lock left by a game that ended without releasing it is taken over at once.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isOnlyGame()
{
    if (lock_.tryLock()) {
        server_ = std::make_unique<QLocalServer>();
        // A socket left by a game that ended without removing it is in the way.
        QLocalServer::removeServer(socketName_);
        server_->listen(socketName_);
        connect(server_.get(), &QLocalServer::newConnection, this,
                &SingleInstance::onAskedForTheGame);
        return true;
    }
    QLocalSocket first;
    first.connectToServer(socketName_);
    if (first.waitForConnected(ReachMilliseconds)) {
        first.write("front\n");
        first.waitForBytesWritten(ReachMilliseconds);
    }
    return false;
}

void SingleInstance::bringToFrontOnRequest(QWidget *window)
{
    window_ = window;
}

void SingleInstance::onAskedForTheGame()
{
    while (QLocalSocket *asking = server_->nextPendingConnection())
        connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
    if (!window_)
        return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}
