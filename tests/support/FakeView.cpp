// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeView.h"

namespace {

QString cellText(Cell cell)
{
    return QStringLiteral("%1,%2").arg(cell.column).arg(cell.row);
}

const char *buttonName(Button button)
{
    return button == Button::Help ? "help" : button == Button::Bee ? "bee" : "tadpole";
}

} // namespace

void FakeView::paintScene(BitmapId picture)
{
    scene = picture;
    journal_.add(QStringLiteral("scene %1").arg(picture.number));
}

void FakeView::paintSquareIcon(Cell cell, SquareKind kind)
{
    icons[cell] = kind;
    if (kitten && kitten->cell == cell)
        kitten.reset();
    journal_.add(QStringLiteral("icon %1 %2").arg(cellText(cell)).arg(static_cast<int>(kind)));
}

void FakeView::paintKitten(Cell cell, KittenPose pose)
{
    kitten = Kitten{cell, pose};
    journal_.add(QStringLiteral("kitten %1 %2")
                     .arg(cellText(cell), pose == KittenPose::Standing ? "standing" : "walking"));
}

void FakeView::clearBoard()
{
    scene = {};
    icons.clear();
    kitten.reset();
    journal_.add(QStringLiteral("clear"));
}

void FakeView::showSpinnerFace(BitmapId face)
{
    spinnerFace = face;
    journal_.add(QStringLiteral("face %1").arg(face.number));
}

void FakeView::showButton(Button button, BitmapId picture)
{
    buttons[button] = {picture, true};
    journal_.add(QStringLiteral("show %1 %2").arg(buttonName(button)).arg(picture.number));
}

void FakeView::setButtonPicture(Button button, BitmapId picture)
{
    buttons[button].picture = picture;
    journal_.add(QStringLiteral("look %1 %2").arg(buttonName(button)).arg(picture.number));
}

void FakeView::hideButton(Button button)
{
    buttons[button].shown = false;
    journal_.add(QStringLiteral("hide %1").arg(buttonName(button)));
}

void FakeView::showCaption(int slot, const QString &text, int left, std::optional<int> top)
{
    CaptionLook &caption = captions.at(slot);
    caption.text = text;
    caption.at = {left, top.value_or(caption.at.y())};
    caption.shown = true;
    journal_.add(QStringLiteral("caption %1 %2").arg(slot).arg(text));
}

void FakeView::setCaptionRed(int slot, bool red)
{
    captions.at(slot).red = red;
}

void FakeView::setWordPicture(int slot, BitmapId picture, int left, bool visible)
{
    pictures.at(slot) = {picture, left, visible};
}

void FakeView::setWordPictureVisible(int slot, bool visible)
{
    pictures.at(slot).shown = visible;
}

void FakeView::hideWordRow()
{
    for (CaptionLook &caption : captions)
        caption.shown = false;
    for (PictureLook &picture : pictures)
        picture.shown = false;
    journal_.add(QStringLiteral("hide words"));
}

void FakeView::showPoem(const Poem &shown)
{
    poem = shown;
    journal_.add(QStringLiteral("poem ") + shown.title);
}

void FakeView::hidePoem()
{
    poem.reset();
    journal_.add(QStringLiteral("hide poem"));
}

void FakeView::whenShown(std::function<void()> then)
{
    journal_.add(QStringLiteral("shown"));
    then();
}

void FakeView::openHelp()
{
    ++helpOpened;
    journal_.add(QStringLiteral("help"));
}

std::vector<int> FakeView::shownCaptions() const
{
    std::vector<int> shown;
    for (int slot = 0; slot < static_cast<int>(captions.size()); ++slot) {
        if (captions[slot].shown)
            shown.push_back(slot);
    }
    return shown;
}

int FakeView::shownPictures() const
{
    int shown = 0;
    for (const PictureLook &picture : pictures)
        shown += picture.shown ? 1 : 0;
    return shown;
}
