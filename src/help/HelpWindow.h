#pragma once

#include <QPointer>
#include <QWidget>

// The help window: the game's instructions in five paragraphs. While it is open the main
// window takes no input; closing it gives the main window back.
//
// It is a window of its own, not a child of the main window: a child of a disabled window
// would be disabled too and could not be closed. It deletes itself when closed.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow is disabled by whoever opens this window and enabled again when it closes.
    explicit HelpWindow(QWidget *mainWindow);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The main window may already be gone when the game ends with this window open.
    QPointer<QWidget> mainWindow_;
};
