#include "Caption.h"

#include <QMouseEvent>

Caption::Caption(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void Caption::setCaption(const QString &text)
{
    setText(text);
    adjustSize();
}

void Caption::setTextColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

QColor Caption::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void Caption::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    event->accept();
}

void Caption::mouseMoveEvent(QMouseEvent *)
{
    emit moved();
}
