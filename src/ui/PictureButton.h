#pragma once

#include <QImage>
#include <QWidget>

// A borderless picture at its natural size that takes the mouse: the spinner, the help, bee
// and tadpole buttons, and the word pictures (which take the mouse only so that the board
// under them does not hear it).
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    // Shows picture and takes its size.
    void setPicture(const QImage &picture);

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
    QImage picture_;
    bool pressedInside_ = false;
};
