#pragma once

#include "BoardView.h"
#include "Caption.h"
#include "GameFixture.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Stages.h"

#include <QStringList>
#include <QTest>

#include <functional>
#include <initializer_list>
#include <vector>

// The main window with the word stages at hand: a chosen level, the kitten on the square of a
// given kind and index, and the teaching stage or the word test opened there directly.
class WordStageFixture : public GameFixture {
protected:
    static constexpr int TeachingKind = 2;
    static constexpr int TestKind = 3;

    // The track square of the current level with this kind and index.
    int squareOf(int kind, int index) const
    {
        for (int square = 1; square <= 43; ++square) {
            if (state.squareTable[square][0] == kind && state.squareTable[square][1] == index)
                return square;
        }
        ADD_FAILURE() << "no square of kind " << kind << " and index " << index;
        return 1;
    }

    // Opens the teaching stage of index at level, as the dispatch would: spinner disarmed.
    void openTeaching(int level, int index)
    {
        startLevelOn(level, 1);
        placeKitten(squareOf(TeachingKind, index));
        state.canSpin = false;
        if (level == 1)
            form.stages().teachWordsLevel1();
        else
            form.stages().teachWordsLevel2Up();
    }

    // Opens the word test of index at level, spinner disarmed; the shuffle's passes pick the
    // entries at picks, or always the first entry.
    void openTest(int level, int index, std::initializer_list<int> picks = {})
    {
        startLevelOn(level, 1);
        placeKitten(squareOf(TestKind, index));
        state.canSpin = false;
        const int n = level == 3 ? 8 : 4;
        if (picks.size() == 0)
            platform.draws.insert(platform.draws.end(), n, 0.0f);
        platform.scriptResults(n, picks);
        form.stages().startWordTest();
    }

    // Word number k of group.
    int word(int k, int group) const { return state.wordGroups[k][group].toInt(); }

    // A press on caption index, as the caption reports it.
    void press(int index) { form.stages().Label1_MouseDown(index); }

    // The words on the first count captions, one space apart.
    QString captionWords(int count = 4) const
    {
        QStringList words;
        for (int k = 0; k < count; ++k)
            words << controls.Label1[k]->text();
        return words.join(QLatin1Char(' '));
    }

    // The indexes of the captions on show.
    std::vector<int> visibleCaptions() const
    {
        std::vector<int> shown;
        for (int k = 0; k < 8; ++k) {
            if (!controls.Label1[k]->isHidden())
                shown.push_back(k);
        }
        return shown;
    }

    // Whether the board shows nothing but its background.
    bool boardIsBlank() const
    {
        QImage blank(BoardView::Size, BoardView::Size, QImage::Format_RGB32);
        blank.fill(BoardView::backgroundColour());
        return controls.Pic1->canvas().convertToFormat(QImage::Format_RGB32) == blank;
    }

    // How many word pictures are on show, and how many captions are red.
    int shownPictures() const
    {
        int shown = 0;
        for (PictureBox *picture : controls.PicWord)
            shown += picture->isHidden() ? 0 : 1;
        return shown;
    }
    int redCaptions() const
    {
        int red = 0;
        for (Caption *caption : controls.Label1)
            red += caption->textColour() == QColor(Qt::red) ? 1 : 0;
        return red;
    }

    // The pointer over caption index, and over the bare board.
    void hover(int index) { form.stages().teaching.Label1_MouseMove(index); }
    void crossBoard() { form.stages().teaching.Pic1_MouseMove(); }

    // Moves reported by move(position) put button in its hover look, holding the mouse, from
    // its top-left corner to its bottom-right one edges included, and in its normal look,
    // letting the mouse go, one pixel beyond any edge. Each move loads the look again.
    static void expectHoverLook(PictureBox &button, const std::function<void(QPointF)> &move,
                                int normal, int hover)
    {
        const qreal w = button.width();
        const qreal h = button.height();
        for (QPointF inside : {QPointF(0, 0), QPointF(w, h), QPointF(w, 0), QPointF(0, h)}) {
            SCOPED_TRACE(testing::Message() << "inside at " << inside.x() << "," << inside.y());
            move(QPointF(-10, -10));
            move(inside);
            EXPECT_EQ(button.picture(), Resources::bitmap(hover));
            EXPECT_EQ(QWidget::mouseGrabber(), &button);
        }
        button.setPicture(Resources::bitmap(normal));
        move(QPointF(1, 1));
        EXPECT_EQ(button.picture(), Resources::bitmap(hover));
        for (QPointF outside :
             {QPointF(w + 1, 0), QPointF(0, h + 1), QPointF(-1, 0), QPointF(0, -1)}) {
            SCOPED_TRACE(testing::Message() << "outside at " << outside.x() << "," << outside.y());
            move(QPointF(1, 1));
            move(outside);
            EXPECT_EQ(button.picture(), Resources::bitmap(normal));
            EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        }
    }

    // Shows the main window on the offscreen screen so that real mouse events reach it.
    void showWindow()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};
