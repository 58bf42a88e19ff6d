// The rustle player on the real SDL2_mixer, heard through SDL's disk audio driver.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "audio_test_support.h"
#include "sound/audio_system.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {
namespace {

class RustleTest : public AudioTest {
protected:
    std::string noise(double seconds)
    {
        const auto path = file("noise.wav");
        writeFile(path, noiseWave(22050, seconds));
        return path.string();
    }
};

// What the game does at each card release.
void rustle(MediaPlayer& player)
{
    if (player.position() == player.length()) {
        player.rewind();
    }
    player.play();
}

TEST_F(RustleTest, TheGameRustleSoundsAndEndsWithThePositionAtTheLength)
{
    {
        NoticeCounter notices;
        AudioSystem audio;
        MediaPlayer& carta = audio.rustle();
        carta.setNotifications(notices.notifications());
        carta.open(gameSound("carta.wav"));
        ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
        rustle(carta);
        ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
        EXPECT_EQ(carta.position(), carta.length());
    }
    EXPECT_TRUE(Recording(recordingFile()).audible());
}

TEST_F(RustleTest, LengthCountsTheSoundsFramesAtTheMixersRate)
{
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.open(noise(0.5));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    EXPECT_NEAR(carta.length(), Recording::kRate / 2, Recording::kRate / 100);
    EXPECT_EQ(carta.position(), 0);
}

TEST_F(RustleTest, ARustleStillSoundingCarriesOnWhenPlayedAgain)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.setNotifications(notices.notifications());
    carta.open(noise(1.0));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    rustle(carta);
    ASSERT_TRUE(eventually([&] { return carta.position() > carta.length() / 4; }));
    const auto before = carta.position();
    rustle(carta);
    carta.rewind();
    carta.play();
    EXPECT_GE(carta.position(), before);
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(notices.done, 1);
    EXPECT_EQ(carta.position(), carta.length());
}

TEST_F(RustleTest, AnEndedRustlePlaysAgainFromItsBeginning)
{
    {
        NoticeCounter notices;
        AudioSystem audio;
        MediaPlayer& carta = audio.rustle();
        carta.setNotifications(notices.notifications());
        carta.open(noise(0.2));
        ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
        rustle(carta);
        ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
        std::this_thread::sleep_for(300ms);
        rustle(carta);
        EXPECT_LT(carta.position(), carta.length());
        ASSERT_TRUE(eventually([&] { return notices.done == 2; }));
        EXPECT_EQ(carta.position(), carta.length());
    }
    // Two plays of 0.2 s with 0.3 s between them.
    EXPECT_GE(Recording(recordingFile()).audibleSpan(), 0.65);
}

TEST_F(RustleTest, PlayingAnEndedRustleWithoutARewindEndsAgainAtOnce)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.setNotifications(notices.notifications());
    carta.open(noise(0.2));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    carta.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
    carta.play();
    ASSERT_TRUE(eventually([&] { return notices.done == 2; }));
    EXPECT_EQ(carta.position(), carta.length());
}

TEST_F(RustleTest, PauseHoldsThePositionAndResumeGoesOnFromIt)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.setNotifications(notices.notifications());
    carta.open(noise(1.0));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    carta.play();
    ASSERT_TRUE(eventually([&] { return carta.position() > carta.length() / 4; }));
    carta.pause();
    const auto paused = carta.position();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(carta.position(), paused);
    carta.resume();
    ASSERT_TRUE(eventually([&] { return carta.position() > paused; }));
    ASSERT_TRUE(eventually([&] { return notices.done == 1; }));
}

TEST_F(RustleTest, StopHoldsThePositionAndRaisesStopCompleted)
{
    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.setNotifications(notices.notifications());
    carta.open(noise(1.0));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    carta.play();
    ASSERT_TRUE(eventually([&] { return carta.position() > carta.length() / 4; }));
    carta.stop();
    const auto stopped = carta.position();
    ASSERT_TRUE(eventually([&] { return notices.stops == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(carta.position(), stopped);
    EXPECT_LT(stopped, carta.length());
    EXPECT_EQ(notices.done, 0);
}

// The window lets go of its handlers as it closes; none may run after that.
TEST_F(RustleTest, ReplacingTheNotificationsWaitsForAHandlerStillRunning)
{
    std::atomic<bool> handlerStarted{false};
    std::atomic<bool> handlerFinished{false};
    AudioSystem audio;
    MediaPlayer& carta = audio.rustle();
    carta.setNotifications({[&] {
                                handlerStarted = true;
                                std::this_thread::sleep_for(300ms);
                                handlerFinished = true;
                            },
                            {}});
    carta.open(noise(0.1));
    ASSERT_TRUE(eventually([&] { return carta.length() > 0; }));
    carta.play();
    ASSERT_TRUE(eventually([&] { return handlerStarted.load(); }));
    carta.setNotifications({});
    EXPECT_TRUE(handlerFinished);
}

}  // namespace
}  // namespace morvane::audiotest
