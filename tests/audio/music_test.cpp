// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The music player on the real FluidSynth and SDL2_mixer, heard through SDL's disk audio driver.
#include <gtest/gtest.h>

#include <thread>

#include "audio_test_support.h"
#include "sound/audio_system.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {
namespace {

class MusicTest : public AudioTest {
protected:
    // Organ notes held back to back, an eighth of a second each.
    std::string heldNotes(int notes) const { return written("held.mid", heldOrganPiece(notes)); }
};

class GamePieceTest : public AudioTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GamePieceTest, OpensWithItsLengthAndSounds)
{
    {
        OpenPlayer music(&AudioSystem::music, gameSound(GetParam()));
        EXPECT_GT(music.player.length(), 0);
        EXPECT_EQ(music.player.position(), 0);
        music.player.play();
        ASSERT_TRUE(eventually([&] { return music.player.position() > 0; }));
        std::this_thread::sleep_for(1s);
        EXPECT_LT(music.player.position(), music.player.length());
    }
    EXPECT_TRUE(Recording(recordingFile()).audible());
}

INSTANTIATE_TEST_SUITE_P(BackgroundAndFinal, GamePieceTest, ::testing::Values("Music/10vazid.mid", "Music/finale.mid"));

// The game loops a piece from its "done": it reads position and length and, when they are equal,
// rewinds and plays again.
TEST_F(MusicTest, LoopRestartedFromDoneHasNoGapAtTheSeam)
{
    constexpr int kNotes = 4;
    {
        OpenPlayer music(&AudioSystem::music, heldNotes(kNotes));
        music.notices.onDone = [&piece = music.player] {
            if (piece.position() == piece.length()) {
                piece.rewind();
                piece.play();
            }
        };
        music.player.play();
        ASSERT_TRUE(eventually([&] { return music.notices.done >= 3; }));
        music.player.stop();
    }
    const Recording recording(recordingFile());
    EXPECT_GE(recording.audibleSpan(), 3 * kNotes * kSecondsPerNote);
    EXPECT_LT(recording.longestSilenceWithin(), 0.050);
}

TEST_F(MusicTest, EndRaisesDoneOnceWithThePositionAtTheLength)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(2));
    EXPECT_EQ(music.player.length(), 2 * kTicksPerNote);
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.notices.done == 1; }));
    EXPECT_EQ(music.player.position(), music.player.length());
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(music.notices.done, 1);
    EXPECT_EQ(music.player.position(), music.player.length());
}

TEST_F(MusicTest, PlayingAnEndedPieceWithoutARewindEndsAgainAtOnce)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(2));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.notices.done == 1; }));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.notices.done == 2; }));
    EXPECT_EQ(music.player.position(), music.player.length());
    music.player.rewind();
    music.player.play();
    EXPECT_EQ(music.player.position(), 0);
    ASSERT_TRUE(eventually([&] { return music.notices.done == 3; }));
}

TEST_F(MusicTest, PauseHoldsThePositionAndSilencesTheNotesResumeGoesOnFromThere)
{
    {
        OpenPlayer music(&AudioSystem::music, heldNotes(40));
        music.player.play();
        ASSERT_TRUE(eventually([&] { return music.player.position() > 2 * kTicksPerNote; }));
        music.player.pause();
        const auto paused = music.player.position();
        std::this_thread::sleep_for(400ms);
        EXPECT_EQ(music.player.position(), paused);
        music.player.resume();
        EXPECT_GE(music.player.position(), paused);
        ASSERT_TRUE(eventually([&] { return music.player.position() > paused + 2 * kTicksPerNote; }));
        music.player.stop();
    }
    // The organ holds its notes until released, so only a pause that silences them leaves a gap.
    EXPECT_GT(Recording(recordingFile()).longestSilenceWithin(), 0.2);
}

TEST_F(MusicTest, PlayWhilePlayingCarriesOnEvenAfterARewind)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 4 * kTicksPerNote; }));
    const auto before = music.player.position();
    music.player.rewind();
    music.player.play();
    EXPECT_GE(music.player.position(), before);
    EXPECT_TRUE(eventually([&] { return music.player.position() > before; }));
}

TEST_F(MusicTest, StopHoldsThePositionRaisesStopCompletedAndARewoundPlayStartsAtTheBeginning)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 4 * kTicksPerNote; }));
    music.player.stop();
    const auto stopped = music.player.position();
    ASSERT_TRUE(eventually([&] { return music.notices.stops == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(music.player.position(), stopped);

    music.player.rewind();
    music.player.play();
    EXPECT_LT(music.player.position(), stopped);
    ASSERT_TRUE(eventually([&] { return music.player.position() > 0; }));
    EXPECT_LT(music.player.position(), stopped);
    EXPECT_EQ(music.notices.done, 0);
}

TEST_F(MusicTest, AStoppedPiecePlaysOnFromWhereItStopped)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 4 * kTicksPerNote; }));
    music.player.stop();
    const auto stopped = music.player.position();
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > stopped; }));
}

TEST_F(MusicTest, CommandsGivenBeforeTheSoundIsReadyTakeEffectWhenItIs)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    music.player.pause();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(music.player.position(), 0);
    music.player.resume();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 0; }));
}

TEST_F(MusicTest, ClosingUnloadsThePiece)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 0; }));
    music.player.close();
    EXPECT_EQ(music.player.position(), 0);
    EXPECT_EQ(music.player.length(), 0);
    music.player.rewind();
    music.player.play();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(music.player.position(), 0);
    EXPECT_EQ(music.notices.done, 0);
}

// The game's win: stop, close, open the final piece, rewind, play.
TEST_F(MusicTest, ANewPieceOpenedAfterAnotherPlaysFromItsBeginning)
{
    OpenPlayer music(&AudioSystem::music, heldNotes(40));
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.player.position() > 4 * kTicksPerNote; }));
    music.player.stop();
    music.player.close();
    music.player.open(written("final.mid", heldOrganPiece(3)));
    EXPECT_EQ(music.player.position(), 0);
    EXPECT_EQ(music.player.length(), 3 * kTicksPerNote);
    music.player.rewind();
    music.player.play();
    ASSERT_TRUE(eventually([&] { return music.notices.done == 1; }));
    EXPECT_EQ(music.player.position(), 3 * kTicksPerNote);
}

}  // namespace
}  // namespace morvane::audiotest
