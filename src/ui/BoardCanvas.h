#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

// The board: a 520 x 520 picture that the game paints into, piece by piece, and that shows as
// it is. The word captions, pictures, buttons and poem texts stand on it as child widgets.
class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 520;
    static QColor colour() { return QColor(141, 207, 244); }

    explicit BoardCanvas(QWidget *parent = nullptr);

    // Copies picture with its top-left corner at position.
    void paintPicture(QPoint position, const QImage &picture);
    // Paints a figure without its background: the mask (black figure on white) is ANDed in,
    // clearing the figure's shape to black, and the image (the figure on black) XORed over it.
    void paintFigure(QPoint position, const QImage &mask, const QImage &image);
    // Fills the board with its colour.
    void clear();

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
    void paint(QPoint position, const QImage &picture, QPainter::CompositionMode mode);

    QImage canvas_;
};
