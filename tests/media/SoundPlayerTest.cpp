#include "SoundPlayer.h"
#include "Catalogue.h"
#include "Resources.h"
#include "SoundOutput.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

// Plays nothing; remembers the bytes it was given and checks, whenever it is stopped or given
// new bytes, that the bytes it is reading from are still whole and unchanged.
class WatchingOutput : public SoundOutput {
public:
    void playMemory(const QByteArray &wave, PlayMode mode) override
    {
        checkReading();
        reading_ = &wave;
        copy_ = wave;
        played.push_back({wave, mode});
    }
    void playFile(const QString &) override {}
    void stop() override
    {
        checkReading();
        reading_ = nullptr;
    }

    struct Play {
        QByteArray wave;
        PlayMode mode;
    };
    std::vector<Play> played;

private:
    void checkReading() const
    {
        if (reading_) {
            EXPECT_EQ(*reading_, copy_) << "a sound's bytes changed while it was playing";
        }
    }

    const QByteArray *reading_ = nullptr;
    QByteArray copy_;
};

TEST(SoundPlayer, stopsTheSoundPlayingBeforeItsBytesAreReplaced)
{
    WatchingOutput output;
    SoundPlayer player(output);
    // Before any word there is nothing for the tadpole to repeat.
    player.replayWord();
    EXPECT_TRUE(output.played.empty());
    player.playAsync(Sound::narration(1));
    player.playAsync(Sound::Whirl);
    player.playWord(Sound::wordSound(0));
    player.playWord(Sound::wordSound(1));
    player.playSync(Sound::RightAnswer);
    player.replayWord();
    ASSERT_EQ(output.played.size(), 6u);
    EXPECT_EQ(output.played[4].mode, PlayMode::Sync);
    EXPECT_EQ(output.played[1].wave, Resources::sound(Sound::Whirl));
}

} // namespace
