#pragma once

#include <QScrollArea>

// The corner's About page: the version, the licence and the credits.
class AboutPage : public QScrollArea {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);
};
