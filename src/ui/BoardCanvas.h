// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Catalogue.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <vector>

// The board: a 520 x 520 design-pixel picture that the game paints into, piece by piece, with
// built-in pictures, and that shows as it is. The word captions, pictures, buttons and poem
// texts stand on it as child widgets.
//
// It paints at the picture scale that fits the screen (the game's scale times the screen's
// pixel ratio), with the pictures drawn for that scale, so that the kitten's AND and XOR land
// exactly at every scale. It remembers the pieces painted since the board was last cleared,
// leaving out those painted over since, and paints them again when the scale changes.
class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 520;
    static QColor colour() { return QColor(141, 207, 244); }

    explicit BoardCanvas(QWidget *parent = nullptr);

    // Copies picture bitmap with its top-left corner at position, in design pixels.
    void paintPicture(QPoint position, BitmapId picture);
    // Paints a figure without its background: the mask (black figure on white) is ANDed in,
    // clearing the figure's shape to black, and the image (the figure on black) XORed over it.
    void paintFigure(QPoint position, BitmapId mask, BitmapId image);
    // Fills the board with its colour.
    void clear();
    // Design pixels to widget pixels: the board's side is Size times scale.
    void setScale(qreal scale);

signals:
    // A mouse button went down on the board itself, not on a widget standing on it.
    void pressed();
    // The pointer moved over the board itself.
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // One picture painted on the board, and the design pixels it covers.
    struct Piece {
        QRect area;
        BitmapId picture;
        QPainter::CompositionMode mode;
    };

    void paint(BitmapId picture, QPoint position, QPainter::CompositionMode mode);
    void paintOnCanvas(const Piece &piece);
    bool showsAlready(const Piece &piece) const;
    int wantedPictureScale() const;
    void repaintCanvas(int pictureScale);

    qreal scale_ = 1;
    int pictureScale_ = 1;
    QImage canvas_;
    std::vector<Piece> pieces_;
};
