#pragma once

#include <QWidget>

// A borderless built-in picture that takes the mouse: the spinner, the help, bee and tadpole
// buttons, and the word pictures (which take the mouse only so that the board under them does
// not hear it). It stands at a design position in its parent, takes its picture's design size,
// and shows both at the game's scale, painting the picture drawn for the screen's fineness.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Shows built-in picture bitmap and takes its size.
    void setPicture(int bitmap);
    // Position and size in design pixels; the size holds until a picture is set.
    void setDesignGeometry(const QRect &geometry);
    void moveTo(QPoint designPosition);
    QPoint designPosition() const { return design_.topLeft(); }
    // Design pixels to widget pixels.
    void setScale(qreal scale);

signals:
    // A button pressed and released, both on the picture.
    void clicked();
    // The pointer moved over the picture, or anywhere while the picture holds the pointer;
    // inside counts the right and bottom edges in.
    void hovered(bool inside);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void place();

    int picture_ = 0;
    QRect design_;
    qreal scale_ = 1;
    bool pressedInside_ = false;
};
