#include "GameState.h"
#include "RecordingPlatform.h"
#include "Resources.h"
#include "Sounds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the output saw at each call: whether it was a stop or a start, the two buffers at that
// moment, and which buffer a start was handed.
struct OutputCall {
    bool stop = false;
    QByteArray soundDataThen;
    QByteArray examWordSoundThen;
    const QByteArray *source = nullptr;
    PlayMode mode = PlayMode::Async;
};

class BufferWatchingOutput : public SoundOutput {
public:
    explicit BufferWatchingOutput(const GameState &state) : state_(state) {}

    void playMemory(const QByteArray &wave, PlayMode mode) override
    {
        calls.push_back({false, state_.soundData, state_.examWordSound, &wave, mode});
    }
    void playFile(const QString &) override {}
    void stop() override { calls.push_back({true, state_.soundData, state_.examWordSound}); }

    std::vector<OutputCall> calls;

private:
    const GameState &state_;
};

class SoundsBuffers : public ::testing::Test {
protected:
    GameState state;
    BufferWatchingOutput output{state};
    Sounds sounds{state, output};
};

TEST_F(SoundsBuffers, StopsThePlayingSoundBeforeItsBufferIsReplaced)
{
    sounds.playAsync(102);
    sounds.playSync(105);

    ASSERT_EQ(output.calls.size(), 4u);
    EXPECT_TRUE(output.calls[2].stop);
    EXPECT_EQ(output.calls[2].soundDataThen, Resources::sound(102));
    EXPECT_FALSE(output.calls[3].stop);
    EXPECT_EQ(output.calls[3].soundDataThen, Resources::sound(105));
}

TEST_F(SoundsBuffers, HandsTheOutputTheGameStateBuffersThemselves)
{
    sounds.playAsync(101);
    sounds.playWord(201);
    sounds.playSync(106);

    ASSERT_EQ(output.calls.size(), 6u);
    EXPECT_EQ(output.calls[1].source, &state.soundData);
    EXPECT_EQ(output.calls[1].mode, PlayMode::Async);
    EXPECT_EQ(output.calls[3].source, &state.examWordSound);
    EXPECT_EQ(output.calls[3].mode, PlayMode::Async);
    EXPECT_EQ(output.calls[5].source, &state.soundData);
    EXPECT_EQ(output.calls[5].mode, PlayMode::Sync);
}

TEST_F(SoundsBuffers, EachBufferKeepsItsBytesUntilTheNextSoundOfItsKind)
{
    sounds.playWord(201);
    sounds.playSync(105);
    EXPECT_EQ(state.examWordSound, Resources::sound(201));
    EXPECT_EQ(state.soundData, Resources::sound(105));

    sounds.playWord(232);
    EXPECT_EQ(state.soundData, Resources::sound(105));
    EXPECT_EQ(state.examWordSound, Resources::sound(232));
}

TEST_F(SoundsBuffers, ReplayStartsTheKeptWordAgainAfterStoppingTheCurrentSound)
{
    sounds.playWord(203);
    sounds.playAsync(101);
    output.calls.clear();

    sounds.replayWord();

    ASSERT_EQ(output.calls.size(), 2u);
    EXPECT_TRUE(output.calls[0].stop);
    EXPECT_EQ(output.calls[1].source, &state.examWordSound);
    EXPECT_EQ(output.calls[1].mode, PlayMode::Async);
    EXPECT_EQ(state.examWordSound, Resources::sound(203));
}

TEST_F(SoundsBuffers, ReplayBeforeAnyWordStartsNothing)
{
    sounds.replayWord();

    for (const OutputCall &call : output.calls)
        EXPECT_TRUE(call.stop);
}

TEST(SoundsWithRecordingOutput, RecordsEachSoundByResourceNumberAndMode)
{
    GameState state;
    RecordingSoundOutput output;
    Sounds sounds(state, output);

    sounds.playAsync(121);
    sounds.playSync(111);
    sounds.playWord(232);
    sounds.replayWord();
    sounds.playAsync(900);

    const std::vector<PlayedSound> expected{{121, PlayMode::Async, {}},
                                            {111, PlayMode::Sync, {}},
                                            {232, PlayMode::Async, {}},
                                            {232, PlayMode::Async, {}},
                                            {900, PlayMode::Async, {}}};
    EXPECT_EQ(output.played, expected);
    EXPECT_EQ(output.ids(), (std::vector<int>{121, 111, 232, 232, 900}));
}

TEST(SoundsWithRecordingOutput, PlaysAFileAsynchronouslyAndRemembersItsPath)
{
    GameState state;
    RecordingSoundOutput output;
    Sounds sounds(state, output);
    const QString path = QStringLiteral("/somewhere/wav/step.wav");

    sounds.playFile(path);

    EXPECT_EQ(state.soundFile, path);
    EXPECT_EQ(output.played, (std::vector<PlayedSound>{{-1, PlayMode::Async, path}}));
}

TEST(RecordingSoundOutputIdentity, CallsTheSyncHookWithTheResourceNumberOnlyForSyncPlays)
{
    RecordingSoundOutput output;
    std::vector<int> during;
    output.duringSyncPlay = [&during](int id) { during.push_back(id); };

    output.playMemory(Resources::sound(104), PlayMode::Sync);
    output.playMemory(Resources::sound(102), PlayMode::Async);
    output.playMemory(Resources::sound(301), PlayMode::Sync);

    EXPECT_EQ(during, (std::vector<int>{104, 301}));
}

TEST(RecordingSoundOutputIdentity, GivesMinusOneForBytesThatAreNoSoundResource)
{
    RecordingSoundOutput output;

    output.playMemory(QByteArray("RIFF not a resource"), PlayMode::Async);

    EXPECT_EQ(output.ids(), std::vector<int>{-1});
}

} // namespace
