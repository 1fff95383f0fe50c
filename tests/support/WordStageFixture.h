#pragma once

#include "Caption.h"
#include "GameFixture.h"
#include "PictureBox.h"
#include "Resources.h"
#include "Stages.h"

#include <QTest>

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
    // entries at picks.
    void openTest(int level, int index, std::initializer_list<int> picks)
    {
        startLevelOn(level, 1);
        placeKitten(squareOf(TestKind, index));
        state.canSpin = false;
        platform.scriptResults(level == 3 ? 8 : 4, picks);
        form.stages().startWordTest();
    }

    // Word number k of group.
    int word(int k, int group) const { return state.wordGroups[k][group].toInt(); }

    // A press on caption index, as the caption reports it.
    void press(int index) { form.stages().Label1_MouseDown(index); }

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

    // Shows the main window on the offscreen screen so that real mouse events reach it.
    void showWindow()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};
