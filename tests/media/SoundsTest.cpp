#include "GameState.h"
#include "Resources.h"
#include "SoundOutput.h"
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
    explicit BufferWatchingOutput(const GameState &s) : state(s) {}
    void playMemory(const QByteArray &wave, PlayMode mode) override
    {
        calls.push_back({false, state.soundData, state.examWordSound, &wave, mode});
    }
    void playFile(const QString &) override {}
    void stop() override { calls.push_back({true, state.soundData, state.examWordSound}); }

    std::vector<OutputCall> calls;
    const GameState &state;
};

class SoundsBuffers : public ::testing::Test {
protected:
    GameState state;
    BufferWatchingOutput output{state};
    Sounds sounds{state, output};
};

TEST_F(SoundsBuffers, StopsThePlayingSoundBeforeItsBufferIsReplaced)
{
    sounds.playSync(105);
    sounds.playAsync(102);
    sounds.playSync(106);
    sounds.playWord(201);
    sounds.playWord(232);

    // Each stop comes first and still sees the buffer the previous sound of its kind left.
    ASSERT_EQ(output.calls.size(), 10u);
    for (std::size_t call = 0; call < 10; call += 2)
        EXPECT_TRUE(output.calls[call].stop) << call;
    EXPECT_EQ(output.calls[2].soundDataThen, Resources::sound(105));
    EXPECT_EQ(output.calls[4].soundDataThen, Resources::sound(102));
    EXPECT_EQ(output.calls[8].examWordSoundThen, Resources::sound(201));
    EXPECT_EQ(output.calls[5].soundDataThen, Resources::sound(106));
    EXPECT_EQ(output.calls[9].source, &state.examWordSound);
}

TEST_F(SoundsBuffers, ReplayStopsTheCurrentSoundAndStartsTheKeptWordIfThereIsOne)
{
    sounds.replayWord();
    ASSERT_EQ(output.calls.size(), 1u);
    EXPECT_TRUE(output.calls[0].stop);

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

} // namespace
