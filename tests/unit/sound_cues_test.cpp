// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The commands the game sends to its music and rustle players, at each point of a game and from the menus.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/lifecycle.h"
#include "game/sound_cues.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using testing::FakeMachine;
using Commands = std::vector<std::string>;

// The files beside the game, their path joined as the platform joins paths ('\\' on Windows).
const std::filesystem::path kGame = "/game";
const std::string kOpenBackground = "MMC1 open " + (kGame / "Music" / "10vazid.mid").string();
const std::string kOpenFinal = "MMC1 open " + (kGame / "Music" / "finale.mid").string();
const std::string kOpenRustle = "MMCw open " + (kGame / "carta.wav").string();

// Stands in for the random source to note how many sound commands had been sent when the deal began.
class DealWatch : public RandomSource {
public:
    DealWatch(RandomSource& inner, const Commands& soundLog) : inner_(inner), soundLog_(soundLog) {}
    void reseedFromClock() override
    {
        commandsBeforeDeal = soundLog_.size();
        inner_.reseedFromClock();
    }
    double next() override { return inner_.next(); }

    std::size_t commandsBeforeDeal = 0;

private:
    RandomSource& inner_;
    const Commands& soundLog_;
};

TEST(StartUp, LoadOpensTheRustleThenTheBackgroundMusicAndChecksBothOptions)
{
    FakeMachine m;
    Form_Load(m.game);
    EXPECT_EQ(m.soundLog, (Commands{"MMCw close", kOpenRustle, "MMC1 close", kOpenBackground}));
    EXPECT_TRUE(m.game.table.Option_card_rustle.Checked);
    EXPECT_TRUE(m.game.table.Option_music.Checked);
}

TEST(StartUp, TheTitlePauseIsSilentAndTheMusicStartsBeforeTheDeal)
{
    FakeMachine m;
    DealWatch watch(m.random, m.soundLog);
    Game game{Table{}, Hand{}, Ports{m.clock, m.events, watch, m.beeper, m.window, m.music, m.rustle, "/game"}};
    Form_Load(game);
    const std::size_t afterSetUp = m.soundLog.size();
    m.events.onEvents = [&] { EXPECT_EQ(m.soundLog.size(), afterSetUp) << "a sound command during the title pause"; };

    Form_Activate(game);

    ASSERT_GT(m.events.calls, 0);
    EXPECT_EQ(Commands(m.soundLog.begin() + static_cast<long>(afterSetUp), m.soundLog.end()), Commands{"MMC1 play"});
    EXPECT_EQ(watch.commandsBeforeDeal, afterSetUp + 1);
}

TEST(StartUp, MusicSwitchedOffDuringTheTitlePauseDoesNotStart)
{
    FakeMachine m;
    Form_Load(m.game);
    m.soundLog.clear();
    m.events.onEvents = [&] {
        if (m.events.calls == 1) {
            Option_music_Click(m.game);
        }
    };
    Form_Activate(m.game);
    EXPECT_EQ(m.soundLog, Commands{"MMC1 pause"});
    EXPECT_FALSE(m.game.table.Option_music.Checked);
}

// A dealt game, its start-up commands forgotten.
class SoundInPlay : public ::testing::Test {
protected:
    std::unique_ptr<FakeMachine> machine = testing::dealtGame();
    Game& game = machine->game;
    Commands& log = machine->soundLog;

    void SetUp() override { log.clear(); }

    void switchMusicOff()
    {
        Option_music_Click(game);
        ASSERT_FALSE(game.table.Option_music.Checked);
        log.clear();
    }
};

TEST_F(SoundInPlay, SwitchingTheMusicOffPausesItAndOnResumesIt)
{
    Option_music_Click(game);
    EXPECT_FALSE(game.table.Option_music.Checked);
    Option_music_Click(game);
    EXPECT_TRUE(game.table.Option_music.Checked);
    EXPECT_EQ(log, (Commands{"MMC1 pause", "MMC1 resume"}));
}

TEST_F(SoundInPlay, ANewDealReloadsTheBackgroundMusicFromItsStartAndPlaysIt)
{
    Nuova_Click(game);
    EXPECT_EQ(log, (Commands{"MMC1 close", "MMC1 rewind", kOpenBackground, "MMC1 play"}));
}

TEST_F(SoundInPlay, ANewDealWithMusicOffReloadsButStaysSilentUntilMusicIsSwitchedOn)
{
    switchMusicOff();
    Nuova_Click(game);
    EXPECT_EQ(log, (Commands{"MMC1 close", "MMC1 rewind", kOpenBackground}));
    log.clear();
    Option_music_Click(game);
    EXPECT_EQ(log, Commands{"MMC1 resume"});
}

TEST_F(SoundInPlay, TheRustleOptionSendsNoCommand)
{
    Option_card_rustle_Click(game);
    EXPECT_FALSE(game.table.Option_card_rustle.Checked);
    Option_card_rustle_Click(game);
    EXPECT_TRUE(game.table.Option_card_rustle.Checked);
    EXPECT_TRUE(log.empty());
}

TEST_F(SoundInPlay, AStopRewindsTheMusic)
{
    MMC1_StopCompleted(game);
    EXPECT_EQ(log, Commands{"MMC1 rewind"});
}

TEST_F(SoundInPlay, MusicThatHasNotEndedIsNotRestarted)
{
    machine->music.positionNow = 40;
    machine->music.lengthNow = 100;
    MMC1_Done(game);
    EXPECT_TRUE(log.empty());
}

// The same with "Music" checked and unchecked: the final music and the loop ignore the option.
class MusicOption : public SoundInPlay, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        SoundInPlay::SetUp();
        if (!GetParam()) {
            switchMusicOff();
        }
    }
};

TEST_P(MusicOption, AWinPlaysTheFinalMusicFromItsStart)
{
    Finale(game);
    EXPECT_EQ(log, (Commands{"MMC1 stop", "MMC1 close", kOpenFinal, "MMC1 rewind", "MMC1 play"}));
}

TEST_P(MusicOption, MusicThatHasEndedPlaysAgainFromItsStart)
{
    Finale(game);
    log.clear();
    machine->music.positionNow = 100;
    machine->music.lengthNow = 100;
    MMC1_Done(game);
    EXPECT_EQ(log, (Commands{"MMC1 rewind", "MMC1 play"}));
}

TEST_P(MusicOption, ANewDealDuringTheFinalMusicClosesItWithoutStopping)
{
    Finale(game);
    log.clear();
    Nuova_Click(game);
    Commands expected{"MMC1 close", "MMC1 rewind", kOpenBackground};
    if (GetParam()) {
        expected.push_back("MMC1 play");
    }
    EXPECT_EQ(log, expected);
}

INSTANTIATE_TEST_SUITE_P(MusicCheckedOrNot, MusicOption, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "MusicOn" : "MusicOff";
                         });

struct RustleCase {
    const char* name;
    bool rustleChecked;
    std::int32_t position;
    Commands expected;
};

class CardRustle : public SoundInPlay, public ::testing::WithParamInterface<RustleCase> {};

TEST_P(CardRustle, RewindsOnlyAnEndedRustleAndPlaysOnlyWhenChecked)
{
    if (!GetParam().rustleChecked) {
        Option_card_rustle_Click(game);
    }
    machine->rustle.lengthNow = 100;
    machine->rustle.positionNow = GetParam().position;
    cardRustle(game);
    EXPECT_EQ(log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CheckedAndEnded, CardRustle,
    ::testing::Values(RustleCase{"EndedRustlePlaysAgainFromItsStart", true, 100, {"MMCw rewind", "MMCw play"}},
                      RustleCase{"SoundingRustleGoesOnWhereItIs", true, 60, {"MMCw play"}},
                      RustleCase{"EndedRustleIsRewoundButNotPlayedWhenOff", false, 100, {"MMCw rewind"}},
                      RustleCase{"SoundingRustleIsLeftAloneWhenOff", false, 60, {}}),
    [](const ::testing::TestParamInfo<RustleCase>& info) { return std::string(info.param.name); });

// A folder with an accented letter in its name, as a player's may have, reaches the players byte for byte.
TEST(StartUp, AFolderNamedInUtf8OpensItsSoundsUnderThatName)
{
    FakeMachine m;
    const std::string folder = "/Gi\xC3\xB2" "chi \xE2\x99\xA0";  // "Giòchi ♠"
    Game game{Table{}, Hand{}, Ports{m.clock, m.events, m.random, m.beeper, m.window, m.music, m.rustle, folder}};
    Form_Load(game);
    ASSERT_EQ(m.soundLog.size(), 4U);
    for (const std::size_t opened : {1U, 3U}) {
        EXPECT_EQ(m.soundLog.at(opened).find("open " + folder), 5U) << m.soundLog.at(opened);
    }
}

}  // namespace
}  // namespace morvane
