// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayer.h"
#include "Catalogue.h"
#include "Resources.h"
#include "SoundOutput.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

// Plays nothing; remembers what it was given.
class ListeningOutput : public SoundOutput {
public:
    void play(const QByteArray &wave, std::function<void()> ended) override
    {
        played.push_back({wave, static_cast<bool>(ended)});
    }
    void playFile(const QString &) override {}
    void stop() override {}
    void setVolume(double) override {}

    struct Play {
        QByteArray wave;
        bool held;
    };
    std::vector<Play> played;
};

TEST(SoundPlayer, theTadpoleRepeatsTheLastWordAndNothingBeforeOne)
{
    ListeningOutput output;
    SoundPlayer player(output);
    player.replayWord();
    EXPECT_TRUE(output.played.empty());
    player.play(Sound::narration(1));
    player.playWord(Sound::wordSound(0));
    player.playWord(Sound::wordSound(1));
    player.playHeld(Sound::RightAnswer, [] {});
    player.replayWord();
    ASSERT_EQ(output.played.size(), 5u);
    EXPECT_TRUE(output.played[3].held);
    EXPECT_FALSE(output.played[4].held);
    EXPECT_EQ(output.played[0].wave, Resources::sound(Sound::narration(1)));
    EXPECT_EQ(output.played[4].wave, Resources::sound(Sound::wordSound(1)));
}

} // namespace
