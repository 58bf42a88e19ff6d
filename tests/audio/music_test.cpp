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
    std::string heldNotes(int notes)
    {
        const auto path = file("held.mid");
        writeFile(path, heldOrganPiece(notes));
        return path.string();
    }
};

class GamePieceTest : public AudioTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GamePieceTest, OpensWithItsLengthAndSounds)
{
    {
        AudioSystem audio;
        MediaPlayer& music = audio.music();
        music.open(gameSound(GetParam()));
        EXPECT_GT(music.length(), 0);
        EXPECT_EQ(music.position(), 0);
        music.play();
        ASSERT_TRUE(eventually([&] { return music.position() > 0; }));
        std::this_thread::sleep_for(1s);
        EXPECT_LT(music.position(), music.length());
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
        NoticeCounter notices;
        AudioSystem audio;
        MediaPlayer& music = audio.music();
        notices.onDone = [&music] {
            if (music.position() == music.length()) {
                music.rewind();
                music.play();
            }
        };
        music.setNotifications(notices.notifications());
        music.open(heldNotes(kNotes));
        music.play();
        ASSERT_TRUE(eventually([&] { return notices.done >= 3; }));
        music.stop();
    }
    const Recording recording(recordingFile());
    EXPECT_GE(recording.audibleSpan(), 3 * kNotes * kSecondsPerNote);
    EXPECT_LT(recording.longestSilenceWithin(), 0.050);
}

TEST_F(MusicTest, EndRaisesDoneOnceWithThePositionAtTheLength)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.setNotifications(notices.notifications());
    music.open(heldNotes(2));
    EXPECT_EQ(music.length(), 2 * kTicksPerNote);
    music.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
    EXPECT_EQ(music.position(), music.length());
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(notices.done, 1);
    EXPECT_EQ(music.position(), music.length());
}

TEST_F(MusicTest, PlayingAnEndedPieceWithoutARewindEndsAgainAtOnce)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.setNotifications(notices.notifications());
    music.open(heldNotes(2));
    music.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
    music.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 2; }));
    EXPECT_EQ(music.position(), music.length());
    music.rewind();
    music.play();
    EXPECT_EQ(music.position(), 0);
    ASSERT_TRUE(eventually([&] { return notices.done == 3; }));
}

TEST_F(MusicTest, PauseHoldsThePositionAndSilencesTheNotesResumeGoesOnFromThere)
{
    {
        AudioSystem audio;
        MediaPlayer& music = audio.music();
        music.open(heldNotes(40));
        music.play();
        ASSERT_TRUE(eventually([&] { return music.position() > 2 * kTicksPerNote; }));
        music.pause();
        const auto paused = music.position();
        std::this_thread::sleep_for(400ms);
        EXPECT_EQ(music.position(), paused);
        music.resume();
        EXPECT_GE(music.position(), paused);
        ASSERT_TRUE(eventually([&] { return music.position() > paused + 2 * kTicksPerNote; }));
        music.stop();
    }
    // The organ holds its notes until released, so only a pause that silences them leaves a gap.
    EXPECT_GT(Recording(recordingFile()).longestSilenceWithin(), 0.2);
}

TEST_F(MusicTest, PlayWhilePlayingCarriesOnEvenAfterARewind)
{
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.open(heldNotes(40));
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > 4 * kTicksPerNote; }));
    const auto before = music.position();
    music.rewind();
    music.play();
    EXPECT_GE(music.position(), before);
    EXPECT_TRUE(eventually([&] { return music.position() > before; }));
}

TEST_F(MusicTest, StopHoldsThePositionRaisesStopCompletedAndARewoundPlayStartsAtTheBeginning)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.setNotifications(notices.notifications());
    music.open(heldNotes(40));
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > 4 * kTicksPerNote; }));
    music.stop();
    const auto stopped = music.position();
    ASSERT_TRUE(eventually([&] { return notices.stops == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(music.position(), stopped);

    music.rewind();
    music.play();
    EXPECT_LT(music.position(), stopped);
    ASSERT_TRUE(eventually([&] { return music.position() > 0; }));
    EXPECT_LT(music.position(), stopped);
    EXPECT_EQ(notices.done, 0);
}

TEST_F(MusicTest, AStoppedPiecePlaysOnFromWhereItStopped)
{
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.open(heldNotes(40));
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > 4 * kTicksPerNote; }));
    music.stop();
    const auto stopped = music.position();
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > stopped; }));
}

TEST_F(MusicTest, CommandsGivenBeforeTheSoundIsReadyTakeEffectWhenItIs)
{
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.open(heldNotes(40));
    music.play();
    music.pause();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(music.position(), 0);
    music.resume();
    ASSERT_TRUE(eventually([&] { return music.position() > 0; }));
}

TEST_F(MusicTest, ClosingUnloadsThePiece)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.setNotifications(notices.notifications());
    music.open(heldNotes(40));
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > 0; }));
    music.close();
    EXPECT_EQ(music.position(), 0);
    EXPECT_EQ(music.length(), 0);
    music.rewind();
    music.play();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(music.position(), 0);
    EXPECT_EQ(notices.done, 0);
}

// The game's win: stop, close, open the final piece, rewind, play.
TEST_F(MusicTest, ANewPieceOpenedAfterAnotherPlaysFromItsBeginning)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& music = audio.music();
    music.setNotifications(notices.notifications());
    music.open(heldNotes(40));
    music.play();
    ASSERT_TRUE(eventually([&] { return music.position() > 4 * kTicksPerNote; }));
    music.stop();
    music.close();
    const auto finalPiece = file("final.mid");
    writeFile(finalPiece, heldOrganPiece(3));
    music.open(finalPiece.string());
    EXPECT_EQ(music.position(), 0);
    EXPECT_EQ(music.length(), 3 * kTicksPerNote);
    music.rewind();
    music.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
    EXPECT_EQ(music.position(), 3 * kTicksPerNote);
}

}  // namespace
}  // namespace morvane::audiotest
