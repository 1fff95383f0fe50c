#pragma once

#include <QImage>
#include <QWidget>

// A borderless picture control: shows one bitmap at its natural size and reports the mouse.
// Used for the spinner, the buttons, the word pictures and the hidden picture holders.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Shows image and resizes the control to it.
    void setPicture(const QImage &image);
    const QImage &picture() const { return picture_; }

signals:
    // A press and release of a mouse button, both on the control.
    void clicked();
    // A mouse button went down on the control.
    void pressed();
    // The pointer moved over the control (or anywhere while it holds the mouse grab); the
    // position is in the control's own pixels.
    void moved(QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage picture_;
    bool pressedInside_ = false;
};
