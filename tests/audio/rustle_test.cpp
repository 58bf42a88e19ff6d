// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
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
    std::string noise(double seconds) const { return written("noise.wav", noiseWave(22050, seconds)); }
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
        OpenPlayer carta(&AudioSystem::rustle, gameSound("carta.wav"));
        ASSERT_TRUE(loaded(carta.player));
        rustle(carta.player);
        ASSERT_TRUE(eventually([&] { return carta.notices.done == 1; }));
        EXPECT_EQ(carta.player.position(), carta.player.length());
    }
    EXPECT_TRUE(Recording(recordingFile()).audible());
}

TEST_F(RustleTest, LengthCountsTheSoundsFramesAtTheMixersRate)
{
    OpenPlayer carta(&AudioSystem::rustle, noise(0.5));
    ASSERT_TRUE(loaded(carta.player));
    EXPECT_NEAR(carta.player.length(), Recording::kRate / 2, Recording::kRate / 100);
    EXPECT_EQ(carta.player.position(), 0);
}

TEST_F(RustleTest, ARustleStillSoundingCarriesOnWhenPlayedAgain)
{
    OpenPlayer carta(&AudioSystem::rustle, noise(1.0));
    ASSERT_TRUE(loaded(carta.player));
    rustle(carta.player);
    ASSERT_TRUE(eventually([&] { return carta.player.position() > carta.player.length() / 4; }));
    const auto before = carta.player.position();
    rustle(carta.player);
    carta.player.rewind();
    carta.player.play();
    EXPECT_GE(carta.player.position(), before);
    ASSERT_TRUE(eventually([&] { return carta.notices.done == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(carta.notices.done, 1);
    EXPECT_EQ(carta.player.position(), carta.player.length());
}

TEST_F(RustleTest, AnEndedRustlePlaysAgainFromItsBeginning)
{
    {
        OpenPlayer carta(&AudioSystem::rustle, noise(0.2));
        ASSERT_TRUE(loaded(carta.player));
        rustle(carta.player);
        ASSERT_TRUE(eventually([&] { return carta.notices.done == 1; }));
        std::this_thread::sleep_for(300ms);
        rustle(carta.player);
        EXPECT_LT(carta.player.position(), carta.player.length());
        ASSERT_TRUE(eventually([&] { return carta.notices.done == 2; }));
        EXPECT_EQ(carta.player.position(), carta.player.length());
    }
    // Two plays of 0.2 s with 0.3 s between them.
    EXPECT_GE(Recording(recordingFile()).audibleSpan(), 0.65);
}

TEST_F(RustleTest, PlayingAnEndedRustleWithoutARewindEndsAgainAtOnce)
{
    OpenPlayer carta(&AudioSystem::rustle, noise(0.2));
    ASSERT_TRUE(loaded(carta.player));
    carta.player.play();
    ASSERT_TRUE(eventually([&] { return carta.notices.done == 1; }));
    carta.player.play();
    ASSERT_TRUE(eventually([&] { return carta.notices.done == 2; }));
    EXPECT_EQ(carta.player.position(), carta.player.length());
}

TEST_F(RustleTest, PauseHoldsThePositionAndResumeGoesOnFromIt)
{
    OpenPlayer carta(&AudioSystem::rustle, noise(1.0));
    ASSERT_TRUE(loaded(carta.player));
    carta.player.play();
    ASSERT_TRUE(eventually([&] { return carta.player.position() > carta.player.length() / 4; }));
    carta.player.pause();
    const auto paused = carta.player.position();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(carta.player.position(), paused);
    carta.player.resume();
    ASSERT_TRUE(eventually([&] { return carta.player.position() > paused; }));
    ASSERT_TRUE(eventually([&] { return carta.notices.done == 1; }));
}

TEST_F(RustleTest, StopHoldsThePositionAndRaisesStopCompleted)
{
    OpenPlayer carta(&AudioSystem::rustle, noise(1.0));
    ASSERT_TRUE(loaded(carta.player));
    carta.player.play();
    ASSERT_TRUE(eventually([&] { return carta.player.position() > carta.player.length() / 4; }));
    carta.player.stop();
    const auto stopped = carta.player.position();
    ASSERT_TRUE(eventually([&] { return carta.notices.stops == 1; }));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(carta.player.position(), stopped);
    EXPECT_LT(stopped, carta.player.length());
    EXPECT_EQ(carta.notices.done, 0);
}

// The window lets go of its handlers as it closes; none may run after that.
TEST_F(RustleTest, ReplacingTheNotificationsWaitsForAHandlerStillRunning)
{
    std::atomic<bool> handlerStarted{false};
    std::atomic<bool> handlerFinished{false};
    OpenPlayer carta(&AudioSystem::rustle, noise(0.1));
    ASSERT_TRUE(loaded(carta.player));
    carta.player.setNotifications({[&] {
                                       handlerStarted = true;
                                       std::this_thread::sleep_for(300ms);
                                       handlerFinished = true;
                                   },
                                   {}});
    carta.player.play();
    ASSERT_TRUE(eventually([&] { return handlerStarted.load(); }));
    carta.player.setNotifications({});
    EXPECT_TRUE(handlerFinished);
}

}  // namespace
}  // namespace morvane::audiotest
