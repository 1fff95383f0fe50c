#pragma once

#include <QColor>
#include <QLabel>

// A text label that sizes itself to its text and reports presses and pointer moves. The word
// captions use it with a hand cursor; their text turns red while hovered or pressed.
class Caption : public QLabel {
    Q_OBJECT
public:
    explicit Caption(QWidget *parent = nullptr);

    // Sets the text and fits the label to it.
    void setCaption(const QString &text);
    void setTextColour(const QColor &colour);
    QColor textColour() const;

signals:
    void pressed();
    void moved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
