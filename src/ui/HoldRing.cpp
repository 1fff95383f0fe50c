// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoldRing.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// The ring's colour: the game's warm orange, plain on the window's grey.
const QColor RingColour(236, 124, 38);

} // namespace

// The timer is a child, so that whoever quickens the window's timers finds it.
HoldRing::HoldRing(QWidget *button, QWidget *parent)
    : QWidget(parent), button_(button), timer_(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    timer_->setObjectName(QStringLiteral("helpHoldTimer"));
    timer_->setInterval(TickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &HoldRing::onTick);
    button_->installEventFilter(this);
}

// A square around the button's middle, a little larger than the button.
void HoldRing::place()
{
    const QRect around = button_->geometry();
    const int side = std::max(around.width(), around.height()) * 3 / 2;
    setGeometry(QRect(0, 0, side, side).translated(around.center() - QPoint(side / 2, side / 2)));
}

bool HoldRing::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        swallowRelease_ = false;
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            ticks_ = 0;
            timer_->start();
        }
        break;
    case QEvent::MouseMove:
        if (!button_->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            letGo();
        break;
    case QEvent::MouseButtonRelease:
        letGo();
        return std::exchange(swallowRelease_, false);
    case QEvent::Hide:
        letGo();
        break;
    default:
        break;
    }
    return false;
}

void HoldRing::onTick()
{
    ticks_ += 1;
    if (ticks_ == TicksHidden) {
        place();
        show();
        raise();
    }
    update();
    if (ticks_ < TicksToHold)
        return;
    letGo();
    swallowRelease_ = true;
    emit held();
}

void HoldRing::letGo()
{
    timer_->stop();
    ticks_ = 0;
    hide();
}

void HoldRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = width() / 10.0;
    painter.setPen(QPen(RingColour, pen, Qt::SolidLine, Qt::FlatCap));
    const QRectF circle = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    // Qt's angles are in sixteenths of a degree, counter-clockwise from three o'clock; the
    // ring fills clockwise from twelve.
    const int filled = 360 * 16 * (ticks_ - TicksHidden) / (TicksToHold - TicksHidden);
    painter.drawArc(circle, 90 * 16, -filled);
}
