#pragma once

#include <QScrollArea>

// The corner's short guide for a parent: what the child does, what the four kinds of squares
// do, with their icons, and how the three levels differ.
class GuidePage : public QScrollArea {
    Q_OBJECT
public:
    explicit GuidePage(QWidget *parent = nullptr);
};
