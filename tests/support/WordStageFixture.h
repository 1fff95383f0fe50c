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

// The main window with the kitten on the word square of a given kind and index of a level,
// and that square's stage opened directly with the spinner disarmed, as the dispatch does.
class WordStageFixture : public GameFixture {
protected:
    static constexpr int TeachingKind = 2;
    static constexpr int TestKind = 3;

    int squareOf(int kind, int index) const
    {
        for (int square = 1; square <= 43; ++square) {
            if (state.squareTable[square][0] == kind && state.squareTable[square][1] == index)
                return square;
        }
        ADD_FAILURE() << "no square of kind " << kind << " and index " << index;
        return 1;
    }

    void openAt(int level, int kind, int index)
    {
        startLevelOn(level, 1);
        placeKitten(squareOf(kind, index));
        state.canSpin = false;
    }

    void openTeaching(int level, int index)
    {
        openAt(level, TeachingKind, index);
        level == 1 ? form.stages().teachWordsLevel1() : form.stages().teachWordsLevel2Up();
    }

    // The shuffle's passes pick the entries at picks, or always the first entry.
    void openTest(int level, int index, std::initializer_list<int> picks = {})
    {
        openAt(level, TestKind, index);
        const int n = level == 3 ? 8 : 4;
        if (picks.size() == 0)
            platform.draws.insert(platform.draws.end(), n, 0.0f);
        platform.scriptResults(n, picks);
        form.stages().startWordTest();
    }

    int word(int k, int group) const { return state.wordGroups[k][group].toInt(); }
    void press(int index) { form.stages().Label1_MouseDown(index); }

    QString captionWords(int count = 4) const
    {
        QStringList words;
        for (int k = 0; k < count; ++k)
            words << controls.Label1[k]->text();
        return words.join(QLatin1Char(' '));
    }

    std::vector<int> visibleCaptions() const
    {
        std::vector<int> shown;
        for (int k = 0; k < 8; ++k) {
            if (!controls.Label1[k]->isHidden())
                shown.push_back(k);
        }
        return shown;
    }

    bool boardIsBlank() const { return rgb32(controls.Pic1->canvas()) == blank(BoardView::Size); }

    int shownPictures() const
    {
        int shown = 0;
        for (PictureBox *picture : controls.PicWord)
            shown += picture->isHidden() ? 0 : 1;
        return shown;
    }

    // Moves reported by move(position) give button its hover look and the mouse grab from its
    // top-left to its bottom-right corner, edges included, and its normal look without the
    // grab one pixel beyond any edge. Each move loads the look again.
    static void expectHoverLook(PictureBox &button, const std::function<void(QPointF)> &move,
                                int normal, int hover)
    {
        const qreal w = button.width(), h = button.height();
        auto expectLookAfter = [&](QPointF from, QPointF to, int look, QWidget *grabber) {
            SCOPED_TRACE(testing::Message() << "at " << to.x() << "," << to.y());
            move(from);
            move(to);
            EXPECT_EQ(button.picture(), Resources::bitmap(look));
            EXPECT_EQ(QWidget::mouseGrabber(), grabber);
        };
        for (QPointF inside : {QPointF(0, 0), QPointF(w, h), QPointF(w, 0), QPointF(0, h)})
            expectLookAfter(QPointF(-10, -10), inside, hover, &button);
        button.setPicture(Resources::bitmap(normal));
        move(QPointF(1, 1));
        EXPECT_EQ(button.picture(), Resources::bitmap(hover));
        for (QPointF outside :
             {QPointF(w + 1, 0), QPointF(0, h + 1), QPointF(-1, 0), QPointF(0, -1)})
            expectLookAfter(QPointF(1, 1), outside, normal, nullptr);
    }
};
