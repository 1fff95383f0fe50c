// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>

// A press held on a button for three seconds, the way into the parents' corner: a child's
// click is over long before. After a moment a ring appears around the button and fills; once
// it is full, held() is emitted and the release that follows is swallowed, so the press does
// not also click the button. A press let go sooner, or dragged off the button, is an ordinary
// press, and the ring never shows during an ordinary click. The ring fills a step on each tick
// of its timer, which tests quicken.
class HoldRing : public QWidget {
    Q_OBJECT
public:
    static constexpr int TickMilliseconds = 50;
    static constexpr int TicksToHold = 60;
    // The ring stays hidden this long, so a click shows nothing new.
    static constexpr int TicksHidden = 8;

    // Watches button, which stands in the ring's parent.
    HoldRing(QWidget *button, QWidget *parent);

    // Follows the button after it has moved or been scaled.
    void place();

signals:
    void held();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onTick();
    void letGo();

    QWidget *button_;
    QTimer *timer_;
    int ticks_ = 0;
    bool swallowRelease_ = false;
};
