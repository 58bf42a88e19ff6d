// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The stock and its waste fan, recycling the waste, the reserve and the blink of the base-value label.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/zones.h"
#include "interaction/card_drag.h"
#include "interaction/reserve.h"
#include "interaction/stock.h"
#include "interaction/table_events.h"
#include "support/dealt_game_test.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::carry;

class StockTest : public testing::DealtGameTest {
protected:
    CardIndex at(int position) { return table().dealtAt(position); }
    std::vector<CardIndex> wasteCards()
    {
        std::vector<CardIndex> cards;
        for (int p = kFirstStockPosition; p <= kDealPositions; ++p) {
            if (isInWaste(table().card(at(p)))) {
                cards.push_back(at(p));
            }
        }
        return cards;
    }
    std::vector<CardIndex> enabledWasteCards()
    {
        std::vector<CardIndex> cards = wasteCards();
        std::erase_if(cards, [&](CardIndex c) { return !table().card(c).Enabled; });
        return cards;
    }
    // Turns the stock until it is empty, with a table move after each turn; returns the cards in
    // the order they came into the fan.
    std::vector<CardIndex> turnWholeStock()
    {
        std::vector<CardIndex> turned;
        for (int turns = 0; table().Mazzo.Visible && turns < 20; ++turns) {
            std::vector<CardIndex> inStock;
            for (CardIndex c = 1; c <= kCardCount; ++c) {
                if (isInStock(table().card(c))) {
                    inStock.push_back(c);
                }
            }
            mazzo_Click(game());
            std::erase_if(inStock, [&](CardIndex c) { return !isInWaste(table().card(c)); });
            std::ranges::sort(inStock, {}, [&](CardIndex c) { return table().card(c).Left; });
            turned.insert(turned.end(), inStock.begin(), inStock.end());
            Form_MouseMove(game());
        }
        return turned;
    }
    void recycle() { Form_MouseUp(game(), kLeftButton, 530.0F, 60.0F); }
};

// The base card is the ace of Denari; the second turn of the stock brings the 4, 3 and 2 of Denari.
const std::vector<int> kTwoAfterThree{21, 22, 23, 24, 1, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 4, 3, 2};

TEST_F(StockTest, TheFirstTurnFansThreeCardsAndTheSecondSquaresThemUp)
{
    deal();
    mazzo_Click(game());
    expectAt(at(13), 380.0F, 10.0F);
    expectAt(at(14), 400.0F, 10.0F);
    expectAt(at(15), 420.0F, 10.0F);
    EXPECT_EQ(table().StockCards.size(), 25U);
    EXPECT_EQ(std::vector<CardIndex>(table().drawingOrder.end() - 3, table().drawingOrder.end()),
              (std::vector<CardIndex>{at(13), at(14), at(15)}));
    EXPECT_TRUE(enabledWasteCards().empty());  // nothing can be taken before the pointer moves
    Form_MouseMove(game());
    EXPECT_EQ(enabledWasteCards(), std::vector<CardIndex>{at(15)});

    mazzo_Click(game());
    for (int p = 13; p <= 15; ++p) {
        expectAt(at(p), 380.0F, 10.0F);
        EXPECT_FALSE(table().card(at(p)).Enabled);
    }
    expectAt(at(16), 380.0F, 10.0F);
    expectAt(at(17), 400.0F, 10.0F);
    expectAt(at(18), 420.0F, 10.0F);
    EXPECT_EQ(table().StockCards.front(), at(19));
    EXPECT_EQ(machine->rustle.commands.back(), "play");
}

TEST_F(StockTest, EachTableMoveEnablesTheCardNowOnTopOfTheWaste)
{
    deal(kTwoAfterThree);
    mazzo_Click(game());
    mazzo_Click(game());
    for (const CardIndex c : {2, 3, 4}) {
        Form_MouseMove(game());
        ASSERT_EQ(enabledWasteCards(), std::vector<CardIndex>{c});
        carry(game(), c, 95.0F, 15.0F);
        ASSERT_EQ(foundationTop(table(), 1), c);
    }
    EXPECT_TRUE(enabledWasteCards().empty());
    Form_MouseMove(game());
    EXPECT_EQ(enabledWasteCards(), std::vector<CardIndex>{34});  // the last card squared up at 380
}

TEST_F(StockTest, TheLastCardOfAPassIsTurnedAloneAndHidesTheStock)
{
    deal();
    for (int turn = 1; turn <= 9; ++turn) {
        mazzo_Click(game());
    }
    EXPECT_TRUE(table().Mazzo.Visible);
    EXPECT_EQ(table().StockCards.size(), 1U);
    mazzo_Click(game());
    expectAt(at(40), 380.0F, 10.0F);
    EXPECT_FALSE(table().Mazzo.Visible);
    EXPECT_TRUE(table().StockCards.empty());
    EXPECT_EQ(wasteCards().size(), 28U);
}

TEST_F(StockTest, ARecycleBringsTheWasteBackInDealOrderAndTheNextPassEndsWithATurnOfTwo)
{
    deal(kTwoAfterThree);
    mazzo_Click(game());
    mazzo_Click(game());
    Form_MouseMove(game());
    carry(game(), 2, 95.0F, 15.0F);
    Form_MouseMove(game());
    carry(game(), 3, 95.0F, 15.0F);
    turnWholeStock();
    ASSERT_FALSE(table().Mazzo.Visible);
    std::vector<CardIndex> expected;
    for (int p = kFirstStockPosition; p <= kDealPositions; ++p) {
        if (at(p) != 2 && at(p) != 3) {
            expected.push_back(at(p));
        }
    }

    recycle();
    EXPECT_TRUE(table().Mazzo.Visible);
    EXPECT_EQ(std::vector<CardIndex>(table().StockCards.begin(), table().StockCards.end()), expected);
    for (const CardIndex c : expected) {
        expectAt(c, 600.0F, 10.0F);
        EXPECT_FALSE(table().card(c).Enabled) << "card " << c;
    }
    EXPECT_TRUE(wasteCards().empty());

    mazzo_Click(game());
    expectAt(32, 380.0F, 10.0F);
    expectAt(33, 400.0F, 10.0F);
    expectAt(34, 420.0F, 10.0F);
    for (int turn = 2; turn <= 8; ++turn) {
        mazzo_Click(game());
    }
    EXPECT_EQ(table().StockCards.size(), 2U);
    mazzo_Click(game());
    expectAt(expected[24], 380.0F, 10.0F);
    expectAt(expected[25], 400.0F, 10.0F);
    EXPECT_FALSE(table().Mazzo.Visible);
}

TEST_F(StockTest, OnlyALeftReleaseStrictlyInsideTheEmptyStockPlaceRecycles)
{
    deal();
    mazzo_Click(game());
    recycle();  // the stock image still shows
    EXPECT_EQ(table().StockCards.size(), 25U);
    turnWholeStock();
    for (const auto& [x, y] :
         std::vector<std::pair<float, float>>{{500.0F, 60.0F}, {563.0F, 60.0F}, {530.0F, 10.0F}, {530.0F, 110.0F}}) {
        Form_MouseUp(game(), kLeftButton, x, y);
        EXPECT_FALSE(table().Mazzo.Visible) << x << ", " << y;
    }
    Form_MouseUp(game(), kRightButton, 530.0F, 60.0F);
    Form_MouseUp(game(), kMiddleButton, 530.0F, 60.0F);
    EXPECT_FALSE(table().Mazzo.Visible);
    EXPECT_TRUE(table().StockCards.empty());
    Form_MouseUp(game(), kLeftButton, 500.5F, 10.5F);
    EXPECT_TRUE(table().Mazzo.Visible);
    EXPECT_EQ(table().StockCards.size(), 28U);
}

TEST_F(StockTest, AnEmptyWasteGivesNothingBack)
{
    deal();
    turnWholeStock();
    for (const CardIndex c : wasteCards()) {
        table().move(c, 90.0F, 500.0F);  // as if every card had been played
    }
    recycle();
    EXPECT_FALSE(table().Mazzo.Visible);
    EXPECT_TRUE(table().StockCards.empty());
}

TEST_F(StockTest, TheStockCanBeRecycledAgainAndAgain)
{
    deal();
    const std::vector<CardIndex> firstPass = turnWholeStock();
    ASSERT_EQ(firstPass.size(), 28U);
    for (int pass = 0; pass < 100; ++pass) {
        recycle();
        ASSERT_EQ(table().StockCards.size(), 28U);
        ASSERT_TRUE(std::ranges::none_of(table().StockCards, [&](CardIndex c) { return table().card(c).Enabled; }));
        ASSERT_EQ(turnWholeStock(), firstPass) << "pass " << pass;
        ASSERT_EQ(enabledWasteCards(), std::vector<CardIndex>{at(40)});
        ASSERT_EQ(testing::tableFault(table()), "");
    }
}

class ReserveTest : public StockTest {
protected:
    // Base card the ace of Denari; the 2 and 3 of Denari in columns 2 and 4 free their places
    // when played; the reserve holds the 4 to the 10 of Denari.
    void dealPlayableReserve() { deal({27, 2, 37, 3, 1, 4, 5, 6, 7, 8, 9, 10}); }
    bool reserveIsParked(int fromPosition)
    {
        for (int p = fromPosition; p < kReserveEnd; ++p) {
            const CardPicture& c = table().card(at(p));
            if (testing::spotAt(c.Left, c.Top).zone != testing::Zone::Reserve) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(ReserveTest, NothingTurnsWhileEveryColumnPlaceIsTaken)
{
    dealPlayableReserve();
    Mazzo2_Click(game());
    EXPECT_EQ(table().ReserveNext, 6);
    EXPECT_EQ(table().Label6.Caption, "7");
    EXPECT_TRUE(reserveIsParked(6));
    EXPECT_TRUE(table().Mazzo2.Visible);
}

TEST_F(ReserveTest, TheLeftmostFreePlaceIsFilledFirstOneCardAClick)
{
    dealPlayableReserve();
    carry(game(), 2, 95.0F, 15.0F);
    carry(game(), 3, 95.0F, 15.0F);
    ASSERT_TRUE(isPlaceFree(table(), 6));
    ASSERT_TRUE(isPlaceFree(table(), 8));
    Mazzo2_Click(game());
    expectAt(4, 160.0F, 120.0F);
    EXPECT_TRUE(table().card(4).Enabled);  // at once, with no pointer movement
    EXPECT_FALSE(isPlaceFree(table(), 6));
    EXPECT_EQ(table().Label6.Caption, "6");
    Mazzo2_Click(game());
    expectAt(5, 300.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 8));
    Mazzo2_Click(game());
    EXPECT_EQ(table().ReserveNext, 8);
    EXPECT_EQ(table().Label6.Caption, "5");
    EXPECT_TRUE(reserveIsParked(8));
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(ReserveTest, TheSeventhCardHidesTheReserveAndItsCounter)
{
    dealPlayableReserve();
    carry(game(), 2, 95.0F, 15.0F);
    carry(game(), 3, 95.0F, 15.0F);
    for (CardIndex c = 4; c <= 10; ++c) {
        ASSERT_TRUE(table().Mazzo2.Visible);
        Mazzo2_Click(game());
        ASSERT_EQ(table().card(c).Left, 160.0F);
        carry(game(), c, 95.0F, 15.0F);
        ASSERT_EQ(foundationTop(table(), 1), c);
    }
    EXPECT_EQ(table().ReserveNext, 13);
    EXPECT_EQ(table().Label6.Caption, "0");
    EXPECT_FALSE(table().Mazzo2.Visible);
    EXPECT_FALSE(table().Label6.Visible);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(ReserveTest, TheBlinkAlternatesAndAfterAStoppedBlinkStartsGreen)
{
    deal({30, 11, 33, 38, 1});
    ASSERT_TRUE(table().BlinkPhase);
    carry(game(), 30, 165.0F, 140.0F);  // refused under the ace: the label blinks
    ASSERT_TRUE(table().Timer1.Enabled);
    std::vector<Rgb> colours;
    for (int tick = 0; tick < 4; ++tick) {
        Timer1_Timer(game());
        colours.push_back(table().Label1.ForeColor);
    }
    EXPECT_EQ(colours, (std::vector<Rgb>{kLabelRed, kLabelGreen, kLabelRed, kLabelGreen}));
    ASSERT_TRUE(table().BlinkPhase);  // the next tick would paint it red
    Carta_MouseMove(game(), 11, 5.0F, 5.0F);
    Carta_MouseDown(game(), 11, kLeftButton, 5.0F, 5.0F);
    Carta_MouseUp(game(), 11);
    EXPECT_EQ(table().Label1.ForeColor, kLabelGreen);

    carry(game(), 30, 165.0F, 140.0F);
    ASSERT_TRUE(table().Timer1.Enabled);
    colours.clear();
    for (int tick = 0; tick < 2; ++tick) {
        Timer1_Timer(game());
        colours.push_back(table().Label1.ForeColor);
    }
    EXPECT_EQ(colours, (std::vector<Rgb>{kLabelGreen, kLabelRed}));
}

}  // namespace
}  // namespace morvane
