// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <QWidget>

// A borderless built-in picture that takes the mouse: the spinner, the help, bee and tadpole
// buttons, and the word pictures (which take the mouse only so that the board under them does
// not hear it). It stands at a design position in its parent, takes its picture's design size,
// and shows both at the game's scale, painting the picture drawn for the screen's fineness.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Shows a built-in picture and takes its size.
    void setPicture(BitmapId picture);
    // Position and size in design pixels; the size holds until a picture is set.
    void setDesignGeometry(const QRect &geometry);
    void moveTo(QPoint designPosition);
    QPoint designPosition() const { return design_.topLeft(); }
    // Design pixels to widget pixels.
    void setScale(qreal scale);

signals:
    // A button pressed and released, both on the picture.
    void clicked();
    // The pointer came onto the picture (inside) or left it. A press comes onto it too, for a
    // pointer that jumps there with no move before, as a finger on a touch screen does.
    void hovered(bool inside);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void place();

    BitmapId picture_;
    QRect design_;
    qreal scale_ = 1;
    bool pressedInside_ = false;
};
