// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameView.h"

#include <QPalette>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class BoardCanvas;
class Caption;
class HoldRing;
class PictureButton;
class QLabel;

// Everything the game shows in its window, laid out in design pixels: the board with the stage
// widgets standing on it, the spinner and the help button. It draws what the rules tell it
// through GameView and reports the child's input as signals, and a grown-up's press held on the
// help button as helpHeld().
//
// It can be shown at any scale: every position, size, hit area and type size grows with it, and
// the pictures are painted from the variant drawn for the screen's fineness. The window it stands
// in gives it the game's own colours, ownPalette(), whatever the desktop's theme.
class GameScreen : public QWidget, public GameView {
    Q_OBJECT
public:
    static constexpr QSize DesignSize{625, 521};
    // The window's grey, as the spinner and help pictures have it around them.
    static QColor windowColour() { return QColor(239, 239, 239); }
    // The game's own colours: the window's grey and black text.
    static QPalette ownPalette();

    explicit GameScreen(QWidget *parent = nullptr);

    // Shows the screen at scale times its design size (1 as designed).
    void setScale(qreal scale);

    void paintScene(BitmapId picture) override;
    void paintSquareIcon(Cell cell, SquareKind kind) override;
    void paintKitten(Cell cell, KittenPose pose) override;
    void clearBoard() override;
    void showSpinnerFace(BitmapId face) override;
    void showButton(Button button, BitmapId picture) override;
    void setButtonPicture(Button button, BitmapId picture) override;
    void hideButton(Button button) override;
    void showCaption(int slot, const QString &text, int left, std::optional<int> top) override;
    void setCaptionRed(int slot, bool red) override;
    void setWordPicture(int slot, BitmapId picture, int left, bool visible) override;
    void setWordPictureVisible(int slot, bool visible) override;
    void hideWordRow() override;
    void showPoem(const Poem &poem) override;
    void hidePoem() override;
    void whenShown(std::function<void()> then) override;
    void openHelp() override;

signals:
    void spinnerClicked();
    void boardPressed();
    void boardHovered();
    void captionPressed(int slot);
    void captionHovered(int slot);
    void buttonClicked(Button button);
    void buttonHovered(Button button, bool inside);
    void helpWanted();
    // The help button was held down for three seconds: the way into the parents' corner.
    void helpHeld();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runShownWaiters();
    void createBoardWidgets();
    PictureButton *button(Button button) const;
    PictureButton *createButton(QWidget *parent, Button button, QRect geometry);
    QLabel *createPoemLabel(Qt::Alignment alignment);
    void placePoem();

    BoardCanvas *board_ = nullptr;
    PictureButton *spinner_ = nullptr;
    PictureButton *help_ = nullptr;
    HoldRing *helpHold_ = nullptr;
    PictureButton *tadpole_ = nullptr;
    PictureButton *bee_ = nullptr;
    std::array<PictureButton *, 4> wordPictures_{};
    QLabel *poemTitle_ = nullptr;
    QLabel *poemPoet_ = nullptr;
    QLabel *poemLines_ = nullptr;
    std::array<Caption *, 8> wordCaptions_{};
    qreal scale_ = 1;
    // What waits for the screen to reach the display, and the watch that lets it go on in any
    // case should no paint come.
    std::vector<std::function<void()>> shownWaiters_;
    QTimer shownWatch_;
};
