// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The life of the program on a fake clock and event pump: title pause, deal, new game, win and quit.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/lifecycle.h"
#include "game/panels.h"
#include "interaction/card_drag.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using testing::FakeMachine;

// A pause that never ends would hang the test; past this many passes the pump reports the window closed.
constexpr int kPumpSafetyLimit = 1000;

class TitlePause : public ::testing::Test {
protected:
    FakeMachine m;
    Table& table = m.game.table;

    void SetUp() override
    {
        m.events.closeAfterCalls = kPumpSafetyLimit;
        Form_Load(m.game);
    }

    bool dealt() const { return m.random.reseeds > 0; }
};

TEST_F(TitlePause, TheDealWaitsUntilMoreThanThreeSecondsHavePassed)
{
    m.clock.now = 100.0;
    m.events.step = 1.0;
    m.events.onEvents = [this] { EXPECT_FALSE(dealt()) << "dealt at " << m.clock.now; };
    Form_Activate(m.game);
    ASSERT_TRUE(dealt());
    EXPECT_EQ(m.events.calls, 4) << "exactly three seconds is not yet more than three";
    EXPECT_GT(m.clock.now - 100.0, 3.0);
}

TEST_F(TitlePause, EventsAreProcessedAtLeastOnce)
{
    m.events.step = 10.0;
    Form_Activate(m.game);
    EXPECT_EQ(m.events.calls, 1);
    EXPECT_TRUE(dealt());
}

TEST_F(TitlePause, EndsAlsoWhenItStartsJustBeforeMidnight)
{
    m.clock.now = 86399.0;
    m.events.step = 0.5;
    Form_Activate(m.game);
    EXPECT_TRUE(dealt());
    EXPECT_EQ(m.events.calls, 7);
    EXPECT_EQ(m.clock.now, 2.5);
}

TEST_F(TitlePause, ShowsTheTitlePictureWithoutTheBaseValueAndKeepsTheTimerRunning)
{
    EXPECT_TRUE(table.Timer1.Enabled) << "the timer ticks from load";
    m.events.onEvents = [this] {
        EXPECT_TRUE(table.titlePictureShown);
        EXPECT_FALSE(table.Label1.Visible);
        EXPECT_TRUE(table.Timer1.Enabled);
    };
    Form_Activate(m.game);
    EXPECT_FALSE(table.titlePictureShown);
    EXPECT_TRUE(table.Label1.Visible);
    EXPECT_FALSE(table.Timer1.Enabled) << "activation stops the timer before the deal";
}

TEST_F(TitlePause, ShuffleCardsIsUnavailableUntilThePauseEnds)
{
    m.events.onEvents = [this] {
        EXPECT_FALSE(table.Nuova.Enabled);
        if (m.events.calls == 1) {
            Nuova_Click(m.game);
        }
    };
    const auto musicCommandsAtLoad = m.music.commands.size();
    Form_Activate(m.game);
    EXPECT_TRUE(table.Nuova.Enabled);
    EXPECT_EQ(m.random.reseeds, 1) << "only the first deal happened";
    EXPECT_EQ(m.music.commands.size(), musicCommandsAtLoad + 1) << "no reload of the music, only its start";
}

TEST_F(TitlePause, ClosingTheWindowDuringThePauseEndsWithoutADeal)
{
    m.events.closeAfterCalls = 2;
    Form_Activate(m.game);
    EXPECT_EQ(m.events.calls, 2);
    EXPECT_FALSE(dealt());
    EXPECT_FALSE(table.Nuova.Enabled);
    EXPECT_EQ(table.card(1).Left, geometry::kLoadLeft) << "the cards were never parked";
    EXPECT_EQ(m.music.commands.size(), 2U) << "no music started";
}

TEST_F(TitlePause, MenusOtherThanShuffleCardsWorkDuringIt)
{
    m.events.onEvents = [this] { Help_english_Click(table); };
    Form_Activate(m.game);
    EXPECT_TRUE(table.Text2.Visible);
}

// Counts the cards at each spot of the table, so that a stray card of an earlier game shows.
std::map<std::pair<float, float>, int> cardsBySpot(const Table& table)
{
    std::map<std::pair<float, float>, int> spots;
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        ++spots[{table.card(n).Left, table.card(n).Top}];
    }
    return spots;
}

const std::map<std::pair<float, float>, int> kFreshDeal{
    {{90.0F, 120.0F}, 1}, {{160.0F, 120.0F}, 1}, {{230.0F, 120.0F}, 1}, {{300.0F, 120.0F}, 1},
    {{90.0F, 10.0F}, 1},  {{600.0F, 300.0F}, 7}, {{600.0F, 10.0F}, 28},
};

// A game in the middle of play: cards on the foundations, deep in a column and in the waste, the
// reserve partly turned, a drag just recorded, the base value blinking.
class GameInPlay : public ::testing::Test {
protected:
    std::unique_ptr<FakeMachine> machine = testing::dealtGame({3, 14, 25, 36, 7});
    Table& table = machine->game.table;

    void SetUp() override
    {
        table.move(8, 90.0F, 10.0F);
        table.move(17, 160.0F, 10.0F);
        table.move(22, 90.0F, 150.0F);
        table.move(33, 420.0F, 10.0F);
        table.move(table.dealtAt(6), 230.0F, 150.0F);
        table.ReserveNext = 8;
        table.Label6.Caption = "5";
        for (int turned = 0; turned < 9; ++turned) {
            table.StockCards.pop_front();
        }
        Carta_MouseDown(machine->game, 33, kLeftButton, 10.0F, 10.0F);  // the waste's top card picked up
        table.Timer1.Enabled = true;
    }
};

TEST_F(GameInPlay, ANewGameLeavesNoCardOfTheOldOneOnTheTable)
{
    Nuova_Click(machine->game);
    EXPECT_EQ(cardsBySpot(table), kFreshDeal);
}

TEST_F(GameInPlay, ANewGameResetsTheMoveAndReserveState)
{
    Nuova_Click(machine->game);
    const CardIndex first = table.dealtAt(1);
    Carta_MouseMove(machine->game, first, 40.0F, 40.0F);
    EXPECT_EQ(table.card(first).Left, 90.0F) << "the new game's cards follow the pointer of the old drag";
    EXPECT_EQ(table.card(first).Top, 120.0F);
    EXPECT_EQ(table.ReserveNext, 6);
    EXPECT_EQ(table.Label6.Caption, "7");
    EXPECT_EQ(table.StockCards.size(), 28U);
    EXPECT_FALSE(table.Timer1.Enabled);
    EXPECT_TRUE(table.BlinkPhase);
}

TEST_F(GameInPlay, ANewGameAfterEmptyPilesShowsThemAgain)
{
    table.Mazzo.Visible = false;
    table.Mazzo2.Visible = false;
    table.Label6.Visible = false;
    table.StockCards.clear();
    Nuova_Click(machine->game);
    EXPECT_TRUE(table.Mazzo.Visible);
    EXPECT_TRUE(table.Mazzo2.Visible);
    EXPECT_TRUE(table.Label6.Visible);
    EXPECT_EQ(table.Label6.Caption, "7");
    EXPECT_EQ(table.StockCards.size(), 28U);
}

TEST_F(GameInPlay, ANewGameNeverPausesAgain)
{
    const int passes = machine->events.calls;
    const double now = machine->clock.now;
    Nuova_Click(machine->game);
    EXPECT_EQ(machine->events.calls, passes);
    EXPECT_EQ(machine->clock.now, now);
    EXPECT_EQ(machine->random.reseeds, 2);
}

TEST_F(GameInPlay, TheWinBeepsOnceAndShowsThePrompt)
{
    EXPECT_FALSE(table.Label5.Visible);
    Finale(machine->game);
    EXPECT_EQ(machine->beeper.beeps, 1);
    EXPECT_TRUE(table.Label5.Visible);
    EXPECT_EQ(table.Label5.Caption, "Congratulations... Start a new game ?");
}

TEST_F(GameInPlay, ANewGameAfterAWinHidesThePrompt)
{
    Finale(machine->game);
    Nuova_Click(machine->game);
    EXPECT_FALSE(table.Label5.Visible);
    EXPECT_EQ(cardsBySpot(table), kFreshDeal);
}

TEST_F(GameInPlay, ClickingThePromptStartsANewGame)
{
    Finale(machine->game);
    Label5_Click(machine->game);
    EXPECT_FALSE(table.Label5.Visible);
    EXPECT_EQ(machine->random.reseeds, 2);
    EXPECT_EQ(machine->beeper.beeps, 1);
}

TEST_F(GameInPlay, ANewGameLeavesAnOpenPanelOpen)
{
    Help_italiano_Click(table);
    Nuova_Click(machine->game);
    EXPECT_TRUE(table.Text3.Visible);
}

TEST_F(GameInPlay, QuitAsksTheWindowToClose)
{
    esci_Click(machine->game);
    EXPECT_EQ(machine->window.closes, 1);
}

TEST_F(GameInPlay, ClosingTheWindowClosesTheMusicThenTheRustle)
{
    machine->soundLog.clear();
    Form_Unload(machine->game);
    EXPECT_EQ(machine->soundLog, (std::vector<std::string>{"MMC1 close", "MMCw close"}));
    EXPECT_TRUE(table.closed);
}

}  // namespace
}  // namespace morvane
