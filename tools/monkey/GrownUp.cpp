// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GrownUp.h"

#include "HelpWindow.h"
#include "MainWindow.h"
#include "ParentsCorner.h"
#include "ParentsGate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

namespace {

bool isGameDialog(const QWidget *top)
{
    return qobject_cast<const HelpWindow *>(top) || qobject_cast<const ParentsGate *>(top) ||
           qobject_cast<const ParentsCorner *>(top);
}

} // namespace

QWidget *GrownUp::openDialog()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (isGameDialog(top) && top->isVisible())
            return top;
    }
    return nullptr;
}

int GrownUp::openDialogs()
{
    int open = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        open += isGameDialog(top) && top->isVisible() ? 1 : 0;
    return open;
}

bool GrownUp::holdsInput(QWidget *dialog)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal == dialog ||
           (modal && modal->parentWidget() && modal->parentWidget()->window() == dialog);
}

void GrownUp::holdHelp(MainWindow &window, QPoint helpButton)
{
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, helpButton);
    QElapsedTimer held;
    held.start();
    while (!openDialog() && held.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, helpButton);
}

void GrownUp::actIn(QWidget *dialog)
{
    for (QMessageBox *question : dialog->findChildren<QMessageBox *>()) {
        if (question->isVisible())
            dialog = question;
    }
    if (qobject_cast<ParentsGate *>(dialog) && random_() % 2 == 0)
        return answerTheGate(dialog);
    const int what = static_cast<int>(random_() % 5);
    if (what == 0)
        dialog->close();
    else if (what <= 2)
        pressKey(dialog);
    else
        clickSomewhere(dialog);
}

// Rightly, mostly: the corner must be reached.
void GrownUp::answerTheGate(QWidget *gate)
{
    static const QRegularExpression sum(QStringLiteral(R"((\d+) \+ (\d+))"));
    const auto match = sum.match(gate->findChild<QLabel *>(QStringLiteral("question"))->text());
    const int total = match.captured(1).toInt() + match.captured(2).toInt();
    auto *field = gate->findChild<QLineEdit *>(QStringLiteral("answer"));
    QTest::keyClicks(field, QString::number(random_() % 4 == 0 ? total + 1 : total));
    QTest::keyClick(field, Qt::Key_Return);
    if (qobject_cast<ParentsCorner *>(openDialog()))
        ++cornersReached_;
}

void GrownUp::pressKey(QWidget *window)
{
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, {}},     {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_Backtab, {}}, {Qt::Key_Space, {}},
        {Qt::Key_Return, {}},  {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},   {Qt::Key_PageDown, {}},
        {Qt::Key_Escape, {}},  {Qt::Key_5, {}},
    };
    const auto &[key, modifiers] = keys[random_() % std::size(keys)];
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == window ? focus : window, key, modifiers);
}

void GrownUp::clickSomewhere(QWidget *window)
{
    if (!window->windowHandle())
        return;
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(random_() % window->width()),
                             static_cast<int>(random_() % window->height())));
}
