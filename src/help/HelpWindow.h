#pragma once

#include <QWidget>

// The help window: the game's instructions in five paragraphs. It belongs to the main window:
// it opens centred over it and stays above it, full screen too, and while it is open the main
// window takes no input (it is modal to it). Its close button or Escape closes it; it deletes
// itself when closed.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
