// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle and deal with a scripted random source: draws, where every card lies, the base value.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "game/deal.h"
#include "game/lifecycle.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using testing::FakeMachine;

// A draw u that gives r = int(u * 41) = 0, the empty pool entry, at both ends of its interval.
constexpr double kDrawOfZero = 0.0;
constexpr double kLastDrawOfZero = 0.0243;

// u for the draw that picks card r.
double drawOf(int r) { return (r + 0.5) / 41.0; }

// A full deal order: these cards first, then the others in increasing order.
std::vector<int> dealOrderStartingWith(const std::vector<int>& first)
{
    std::vector<int> order = first;
    for (int card = 1; card <= kCardCount; ++card) {
        if (std::find(first.begin(), first.end(), card) == first.end()) {
            order.push_back(card);
        }
    }
    return order;
}

std::vector<int> dealtOrder(const Table& table)
{
    std::vector<int> order;
    for (int p = 1; p <= kDealPositions; ++p) {
        order.push_back(table.dealtAt(p));
    }
    return order;
}

void loadAndDeal(FakeMachine& m)
{
    Form_Load(m.game);
    Form_Activate(m.game);
}

TEST(Draw, AZeroIsDrawnAgainForTheSamePosition)
{
    FakeMachine m;
    m.random.script = {kDrawOfZero, kLastDrawOfZero};
    m.random.scriptCards(dealOrderStartingWith({17}));
    loadAndDeal(m);
    EXPECT_EQ(dealtOrder(m.game.table), dealOrderStartingWith({17}));
    EXPECT_EQ(m.random.draws, 42);
    EXPECT_TRUE(m.random.script.empty());
}

TEST(Draw, ACardAlreadyDealtIsDrawnAgain)
{
    FakeMachine m;
    const std::vector<int> order = dealOrderStartingWith({40, 1, 21});
    // The second position first draws 40 again, the third draws 40 and 1 again.
    m.random.script = {drawOf(40), drawOf(40), drawOf(1), drawOf(40), drawOf(1), drawOf(21)};
    m.random.scriptCards(std::vector<int>(order.begin() + 3, order.end()));
    loadAndDeal(m);
    EXPECT_EQ(dealtOrder(m.game.table), order);
    EXPECT_EQ(m.random.draws, 43);
}

TEST(Draw, TheTopOfTheRangeDrawsCardForty)
{
    FakeMachine m;
    m.random.script = {0.99999};
    loadAndDeal(m);
    EXPECT_EQ(m.game.table.dealtAt(1), 40);
}

// A game dealt with 3, 14, 25, 36 on the columns and 7 as the base card, the rest in index order.
class DealtTable : public ::testing::Test {
protected:
    std::unique_ptr<FakeMachine> machine = testing::dealtGame({3, 14, 25, 36, 7});
    Table& table = machine->game.table;

    const CardPicture& atPosition(int p) const { return table.card(table.dealtAt(p)); }
};

TEST_F(DealtTable, DealOrderFollowsTheDraws)
{
    EXPECT_EQ(dealtOrder(table), dealOrderStartingWith({3, 14, 25, 36, 7}));
}

TEST_F(DealtTable, TheFirstFourCardsStartTheColumnsAndCanBeTaken)
{
    const float columnLeft[] = {90.0F, 160.0F, 230.0F, 300.0F};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(atPosition(p).Left, columnLeft[p - 1]) << "position " << p;
        EXPECT_EQ(atPosition(p).Top, 120.0F) << "position " << p;
        EXPECT_TRUE(atPosition(p).Enabled) << "position " << p;
    }
}

TEST_F(DealtTable, TheFifthCardIsTheBaseCardOnTheFirstFoundation)
{
    EXPECT_EQ(table.card(7).Left, 90.0F);
    EXPECT_EQ(table.card(7).Top, 10.0F);
    EXPECT_TRUE(table.card(7).Enabled);
    EXPECT_EQ(table.BaseValue, 7);
    EXPECT_EQ(table.Label1.Caption, "7");
}

TEST_F(DealtTable, SevenCardsAreParkedAsTheReserveAndTheRestAsTheStock)
{
    for (int p = 6; p <= 12; ++p) {
        EXPECT_EQ(atPosition(p).Left, 600.0F) << "position " << p;
        EXPECT_EQ(atPosition(p).Top, 300.0F) << "position " << p;
        EXPECT_FALSE(atPosition(p).Enabled) << "position " << p;
    }
    for (int p = 13; p <= 40; ++p) {
        EXPECT_EQ(atPosition(p).Left, 600.0F) << "position " << p;
        EXPECT_EQ(atPosition(p).Top, 10.0F) << "position " << p;
        EXPECT_FALSE(atPosition(p).Enabled) << "position " << p;
    }
}

TEST_F(DealtTable, OnlyTheFiveCardsOnTheTableCanBeTaken)
{
    int enabled = 0;
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        enabled += table.card(n).Enabled ? 1 : 0;
    }
    EXPECT_EQ(enabled, 5);
}

TEST_F(DealtTable, PlacesHoldTheBaseCardAndTheFourColumnStarts)
{
    const std::array<std::int16_t, kPlaces + 1> expected{0, 7, 0, 0, 0, 5, 6, 7, 8};
    EXPECT_EQ(table.PlaceCard, expected);
}

TEST_F(DealtTable, TheStockIsTurnedInDealOrder)
{
    const std::vector<int> order = dealtOrder(table);
    const std::vector<int> stock(table.StockCards.begin(), table.StockCards.end());
    EXPECT_EQ(stock, std::vector<int>(order.begin() + 12, order.end()));
}

struct BaseCase {
    int baseCard;
    std::int16_t baseValue;
    const char* caption;
};

class BaseCard : public ::testing::TestWithParam<BaseCase> {};

TEST_P(BaseCard, FixesTheBaseValueAndItsLabel)
{
    const auto machine = testing::dealtGame({2, 3, 4, 5, GetParam().baseCard});
    EXPECT_EQ(machine->game.table.PlaceCard[1], GetParam().baseCard);
    EXPECT_EQ(machine->game.table.BaseValue, GetParam().baseValue);
    EXPECT_EQ(machine->game.table.Label1.Caption, GetParam().caption);
}

// Kings give 10 (their comparison key is 0), aces give 1.
INSTANTIATE_TEST_SUITE_P(KingsAndAces, BaseCard,
                         ::testing::Values(BaseCase{10, 10, "10"}, BaseCase{20, 10, "10"}, BaseCase{30, 10, "10"},
                                           BaseCase{40, 10, "10"}, BaseCase{1, 1, "1"}, BaseCase{11, 1, "1"},
                                           BaseCase{21, 1, "1"}, BaseCase{31, 1, "1"}, BaseCase{19, 9, "9"}));

TEST(EveryDeal, ReseedsAndDealsAFreshPermutation)
{
    const auto machine = testing::dealtGame({3, 14, 25, 36, 10});
    Table& table = machine->game.table;
    ASSERT_EQ(machine->random.reseeds, 1);

    std::vector<int> reversed;
    for (int card = kCardCount; card >= 1; --card) {
        reversed.push_back(card);
    }
    machine->random.scriptCards(reversed);
    Nuova_Click(machine->game);

    EXPECT_EQ(machine->random.reseeds, 2);
    EXPECT_EQ(dealtOrder(table), reversed);
    EXPECT_EQ(table.BaseValue, 6);
    EXPECT_EQ(table.Label1.Caption, "6");
    EXPECT_EQ(table.card(40).Left, 90.0F);
    EXPECT_EQ(table.card(40).Top, 120.0F);
    EXPECT_EQ(table.card(36).Left, 90.0F);
    EXPECT_EQ(table.card(36).Top, 10.0F);
    EXPECT_FALSE(table.card(10).Enabled) << "the old base card now lies in the stock";
    EXPECT_EQ(table.card(10).Left, 600.0F);
    EXPECT_EQ(table.card(10).Top, 10.0F);
    EXPECT_EQ(table.StockCards.size(), 28U);
    EXPECT_EQ(table.StockCards.front(), 28);
}

TEST(EveryDeal, LeavesTheReserveCounterAndPilesAlone)
{
    const auto machine = testing::dealtGame();
    Table& table = machine->game.table;
    table.ReserveNext = 9;
    table.Label6.Caption = "4";
    table.Mazzo2.Visible = false;
    table.StockCards.clear();
    const auto musicCommands = machine->music.commands.size();

    Mescola(machine->game);

    EXPECT_EQ(table.ReserveNext, 9);
    EXPECT_EQ(table.Label6.Caption, "4");
    EXPECT_FALSE(table.Mazzo2.Visible);
    EXPECT_EQ(machine->music.commands.size(), musicCommands);
}

}  // namespace
}  // namespace morvane
