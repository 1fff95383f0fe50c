// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowSystem.h"

#include "Stderr.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <vector>

namespace {

struct QtMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// What Qt says while it connects, kept back until it has either connected or given up.
std::vector<QtMessage> &heldMessages()
{
    static std::vector<QtMessage> messages;
    return messages;
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    auto &held = heldMessages();
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    // Qt's first word is its reason ("could not connect to display"); the fatal one only says
    // that no platform plugin could start. Qt aborts when this returns, so it does not.
    const QString reason = held.empty() ? text : held.front().text;
    sayOnStderr(QStringLiteral("cannot open the game's window: %1")
                    .arg(reason.section(u'\n', 0, 0).trimmed()));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

std::unique_ptr<QApplication> WindowSystem::connect(int &argc, char *argv[])
{
    const QtMessageHandler standard = qInstallMessageHandler(holdWhileConnecting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(standard);
    for (const QtMessage &message : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        standard(message.type, context, message.text);
    }
    heldMessages().clear();
    return application;
}
