// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A word caption: a text label with a hand cursor that fits itself to its text and reports
// presses (any button) and pointer moves. Its text is black, or red while marked. It stands at a
// design position on the board and sets its text at the game's scale.
class Caption : public QLabel {
    Q_OBJECT
public:
    explicit Caption(QWidget *parent = nullptr);

    // Sets the text and fits the label to it.
    void setCaption(const QString &text);
    void setRed(bool red);
    void moveTo(QPoint designPosition);
    QPoint designPosition() const { return designPosition_; }
    // Design pixels to widget pixels: the position and the type size.
    void setScale(qreal scale);

signals:
    // A press, which is a hover first, for a pointer that jumps there with no move before.
    void pressed();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPoint designPosition_;
    qreal scale_ = 1;
};
