// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameTimers.h"
#include "GameView.h"
#include "Journal.h"

#include <QPoint>
#include <QString>

#include <array>
#include <map>
#include <optional>

// The screen as the rules left it, kept as a model instead of pixels, with every call also
// journalled in a short form ("scene 121", "icon 0,11 4", "kitten 0,11 walking", "clear",
// "face 113", ...). What waits for the screen to be shown runs at once, after "shown".
class FakeView : public GameView {
public:
    explicit FakeView(Journal &journal) : journal_(journal) {}

    struct Kitten {
        Cell cell;
        KittenPose pose;
        bool operator==(const Kitten &) const = default;
    };
    struct ButtonLook {
        BitmapId picture;
        bool shown = false;
        bool operator==(const ButtonLook &) const = default;
    };
    // A caption that was never placed stands at top -1.
    struct CaptionLook {
        QString text;
        QPoint at{-1, -1};
        bool shown = false;
        bool red = false;
    };
    struct PictureLook {
        BitmapId picture;
        int left = -1;
        bool shown = false;
    };

    // The board: the scene last painted (none once cleared), the icon on every cell, the kitten.
    BitmapId scene;
    std::map<Cell, SquareKind> icons;
    std::optional<Kitten> kitten;
    BitmapId spinnerFace;
    std::map<Button, ButtonLook> buttons;
    std::array<CaptionLook, 8> captions;
    std::array<PictureLook, 4> pictures;
    std::optional<Poem> poem;
    int helpOpened = 0;

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
    void showPoem(const Poem &shown) override;
    void hidePoem() override;
    void whenShown(std::function<void()> then) override;
    void openHelp() override;

    // The slots of the captions shown, in slot order.
    std::vector<int> shownCaptions() const;
    int shownPictures() const;

private:
    Journal &journal_;
};

// Timers that only remember whether they run; a test delivers their ticks.
class FakeTimers : public GameTimers {
public:
    void start(GameTimer timer) override { running[timer] = true; }
    void stop(GameTimer timer) override { running[timer] = false; }
    bool isRunning(GameTimer timer) const override
    {
        return running.count(timer) && running.at(timer);
    }

    std::map<GameTimer, bool> running;
};
