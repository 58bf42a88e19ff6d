// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer router: which control a raw event reaches, capture until the release, clicks and
// double-clicks, and the two ways a held card could escape its drag (a second button, a new deal).
#include <gtest/gtest.h>

#include <algorithm>

#include "game/lifecycle.h"
#include "game/zones.h"
#include "interaction/pointer_router.h"
#include "support/dealt_game_test.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::clickAt;
using testing::kBareTable;
using testing::kReservePoint;
using testing::kStockPoint;
using testing::Point;

// Base card the 3 of Denari; columns: the 6 of Denari, the 7 of Spade, the 4 of Denari, the 8 of Spade.
class RouterTest : public testing::DealtGameTest {
protected:
    RouterTest() : DealtGameTest({6, 37, 4, 38, 3}) {}
    std::vector<std::pair<float, float>> positions()
    {
        std::vector<std::pair<float, float>> all;
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            all.emplace_back(table().card(c).Left, table().card(c).Top);
        }
        return all;
    }

    PointerRouter router{machine->game};
};

constexpr Point kOnSixOfDenari{122.0F, 170.0F};   // column 1
constexpr Point kOnFourOfDenari{262.0F, 170.0F};  // column 3

TEST_F(RouterTest, TheTopmostCardDecidesAndADisabledOneMeansTheTable)
{
    testing::carry(game(), 6, 165.0F, 160.0F);               // the 6 of Denari under the 7 of Spade
    EXPECT_EQ(targetAt(table(), 170.0F, 130.0F), Target{});  // the covered 7 shows here
    EXPECT_EQ(targetAt(table(), 170.0F, 200.0F), (Target{Control::Card, 6}));
    EXPECT_EQ(targetAt(table(), 170.0F, 251.0F), (Target{Control::Card, 6}));
    EXPECT_EQ(targetAt(table(), 170.0F, 252.0F), Target{});
    EXPECT_EQ(targetAt(table(), 100.0F, 50.0F), (Target{Control::Card, 3}));
    EXPECT_EQ(targetAt(table(), 100.0F, 150.0F), Target{});  // a free column place
    EXPECT_EQ(targetAt(table(), kStockPoint.x, kStockPoint.y), Target{Control::Stock});
    EXPECT_EQ(targetAt(table(), kReservePoint.x, kReservePoint.y), Target{Control::Reserve});
    EXPECT_EQ(targetAt(table(), 400.0F, 150.0F), Target{});  // the base-value label has no handler

    table().Label5.Visible = true;
    EXPECT_EQ(targetAt(table(), 250.0F, 240.0F), Target{Control::WinPrompt});
    EXPECT_EQ(targetAt(table(), 240.0F, 200.0F), (Target{Control::Card, 4}));  // cards lie over labels
    table().Mazzo.Visible = false;
    table().Mazzo2.Visible = false;
    EXPECT_EQ(targetAt(table(), kStockPoint.x, kStockPoint.y), Target{});
    EXPECT_EQ(targetAt(table(), kReservePoint.x, kReservePoint.y), Target{});
}

TEST_F(RouterTest, ThePressedCardGetsEveryMoveAndTheReleaseWhereverThePointerGoes)
{
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.press(kLeftButton, kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.move(kStockPoint.x, kStockPoint.y);
    expectAt(4, kStockPoint.x - 32.0F, kStockPoint.y - 50.0F);
    router.move(900.0F, -300.0F);
    expectAt(4, 900.0F - 32.0F, -300.0F - 50.0F);
    router.move(kStockPoint.x, kStockPoint.y);
    router.release(kLeftButton, kStockPoint.x, kStockPoint.y);
    expectAt(4, 230.0F, 120.0F);  // refused and home; the stock did not turn
    EXPECT_EQ(table().StockCards.size(), 28U);
    EXPECT_FALSE(router.isCaptured());

    testing::dragTo(router, table(), 4, 95.0F, 15.0F);
    expectAt(4, 90.0F, 10.0F);
}

TEST_F(RouterTest, TheStockTurnsOnlyWhenThePressAndReleaseAreBothOnIt)
{
    router.press(kLeftButton, kStockPoint.x, kStockPoint.y);
    router.move(kBareTable.x, kBareTable.y);
    router.release(kLeftButton, kBareTable.x, kBareTable.y);
    EXPECT_EQ(table().StockCards.size(), 28U);
    router.press(kLeftButton, kBareTable.x, kBareTable.y);
    router.release(kLeftButton, kStockPoint.x, kStockPoint.y);
    EXPECT_EQ(table().StockCards.size(), 28U);
    clickAt(router, kStockPoint, kRightButton);
    clickAt(router, kStockPoint, kMiddleButton);
    EXPECT_EQ(table().StockCards.size(), 28U) << "only the left button clicks";
    clickAt(router, kStockPoint);
    EXPECT_EQ(table().StockCards.size(), 25U);

    // While the stock image holds the pointer, moves over the table do not reach the table.
    router.press(kLeftButton, kStockPoint.x, kStockPoint.y);
    router.move(kBareTable.x, kBareTable.y);
    router.release(kLeftButton, kBareTable.x, kBareTable.y);
    EXPECT_FALSE(table().card(table().dealtAt(15)).Enabled);
    router.move(kBareTable.x, kBareTable.y);
    EXPECT_TRUE(table().card(table().dealtAt(15)).Enabled);
}

TEST_F(RouterTest, DisabledCardsAndBareTableReachTheTableHandlers)
{
    clickAt(router, kStockPoint);
    const Point onCoveredWaste{390.0F, 50.0F};  // the card at 380, under the one at 400
    router.move(onCoveredWaste.x, onCoveredWaste.y);
    EXPECT_TRUE(table().card(table().dealtAt(15)).Enabled);
    EXPECT_FALSE(table().card(table().dealtAt(13)).Enabled);

    table().Text3.Visible = true;
    router.press(kLeftButton, onCoveredWaste.x, onCoveredWaste.y);
    EXPECT_FALSE(table().Text3.Visible);
    router.move(250.0F, 300.0F);
    router.release(kLeftButton, 250.0F, 300.0F);
    expectAt(table().dealtAt(13), 380.0F, 10.0F);

    table().Text4.Visible = true;
    clickAt(router, kBareTable, kRightButton);
    EXPECT_FALSE(table().Text4.Visible);
}

TEST_F(RouterTest, OnlyALeftReleaseOnTheEmptyStockPlaceRecycles)
{
    for (int turn = 0; turn < 10; ++turn) {
        clickAt(router, kStockPoint);
    }
    ASSERT_FALSE(table().Mazzo.Visible);
    router.press(kLeftButton, kStockPoint.x, kStockPoint.y);
    EXPECT_TRUE(table().StockCards.empty());  // a press does nothing there
    router.release(kLeftButton, kBareTable.x, kBareTable.y);
    EXPECT_TRUE(table().StockCards.empty());
    clickAt(router, kStockPoint, kRightButton);
    EXPECT_TRUE(table().StockCards.empty());
    router.press(kLeftButton, kBareTable.x, kBareTable.y);  // pressed anywhere on the table
    router.release(kLeftButton, kStockPoint.x, kStockPoint.y);
    EXPECT_EQ(table().StockCards.size(), 28U);
    EXPECT_TRUE(table().Mazzo.Visible);
}

TEST_F(RouterTest, ADoubleClickArrivesAsPressReleaseDoubleClickRelease)
{
    router.move(kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.press(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.release(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.doubleClick(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    EXPECT_TRUE(game().hand.DoubleClicked);
    EXPECT_FALSE(game().hand.Dragging);
    router.move(170.0F, 200.0F);
    expectAt(6, 90.0F, 120.0F);
    router.release(kLeftButton, 170.0F, 200.0F);
    expectAt(6, 90.0F, 120.0F);
    EXPECT_FALSE(game().hand.DoubleClicked);
    EXPECT_EQ(rustles(), 2);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(RouterTest, ADoubleClickOnACardTheFirstClickMovedIsAPress)
{
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.press(kLeftButton, kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.move(127.0F, 65.0F);
    router.release(kLeftButton, 127.0F, 65.0F);
    ASSERT_EQ(foundationTop(table(), 1), 4);  // on the foundation, right under the pointer
    router.doubleClick(kLeftButton, 127.0F, 65.0F);
    EXPECT_TRUE(game().hand.Dragging);
    EXPECT_FALSE(game().hand.DoubleClicked);
    router.move(272.0F, 180.0F);  // back onto its own column place, free now
    router.release(kLeftButton, 272.0F, 180.0F);
    expectAt(4, 230.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 7));
    EXPECT_EQ(foundationTop(table(), 1), 3);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(RouterTest, EveryClickOfADoubleClickTurnsTheStock)
{
    clickAt(router, kStockPoint);
    router.doubleClick(kLeftButton, kStockPoint.x, kStockPoint.y);
    router.release(kLeftButton, kStockPoint.x, kStockPoint.y);
    EXPECT_EQ(table().StockCards.size(), 22U);
}

TEST_F(RouterTest, EveryClickOfADoubleClickTurnsTheReserve)
{
    testing::dragTo(router, table(), 4, 95.0F, 15.0F);    // frees column 3
    testing::dragTo(router, table(), 6, 165.0F, 160.0F);  // frees column 1
    clickAt(router, kReservePoint);
    router.doubleClick(kLeftButton, kReservePoint.x, kReservePoint.y);
    router.release(kLeftButton, kReservePoint.x, kReservePoint.y);
    EXPECT_EQ(table().ReserveNext, 8);
    expectAt(table().dealtAt(6), 90.0F, 120.0F);
    expectAt(table().dealtAt(7), 230.0F, 120.0F);
}

TEST_F(RouterTest, APressedCardComesHomeWhateverCardThePointerCrossedBefore)
{
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);  // the last move over a card is over the 4
    router.press(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.move(kBareTable.x, kBareTable.y);
    router.release(kLeftButton, kBareTable.x, kBareTable.y);
    expectAt(6, 90.0F, 120.0F);
    expectAt(4, 230.0F, 120.0F);
}

TEST_F(RouterTest, ADoubleClickedCardComesHomeWhateverCardThePointerCrossedBefore)
{
    router.move(kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.press(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.release(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);  // out and back faster than the moves are reported
    router.doubleClick(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    router.release(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    expectAt(6, 90.0F, 120.0F);
    expectAt(4, 230.0F, 120.0F);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(RouterTest, ASecondButtonWhileACardIsHeldChangesNothing)
{
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.press(kLeftButton, kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.move(127.0F, 65.0F);
    const float heldLeft = table().card(4).Left;
    router.press(kRightButton, 127.0F, 65.0F);
    router.release(kRightButton, 127.0F, 65.0F);
    router.press(kMiddleButton, kStockPoint.x, kStockPoint.y);
    router.release(kMiddleButton, kStockPoint.x, kStockPoint.y);
    EXPECT_EQ(rustles(), 0);
    EXPECT_TRUE(game().hand.Dragging);
    EXPECT_EQ(table().card(4).Left, heldLeft);
    EXPECT_EQ(table().StockCards.size(), 28U);
    router.release(kLeftButton, 127.0F, 65.0F);
    expectAt(4, 90.0F, 10.0F);
    EXPECT_EQ(rustles(), 1);
    EXPECT_TRUE(isPlaceFree(table(), 7));
    EXPECT_EQ(testing::tableFault(table()), "");

    // The other way round: a right button held on a card, then a left click elsewhere.
    router.press(kRightButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    testing::dragTo(router, table(), 38, 95.0F, 155.0F);
    router.release(kRightButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    expectAt(38, 300.0F, 120.0F);
    expectAt(6, 90.0F, 120.0F);
    EXPECT_EQ(rustles(), 2);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(RouterTest, ANewDealEndsTheDragOfTheCardInHand)
{
    router.move(kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.press(kLeftButton, kOnFourOfDenari.x, kOnFourOfDenari.y);
    router.move(127.0F, 65.0F);
    machine->random.scriptCards({6, 37, 4, 38, 3});  // the 4 lies where it was pressed again
    Nuova_Click(game());
    const auto dealt = positions();
    router.move(200.0F, 300.0F);
    router.move(127.0F, 65.0F);
    EXPECT_EQ(positions(), dealt);
    router.release(kLeftButton, 127.0F, 65.0F);
    EXPECT_EQ(positions(), dealt);
    EXPECT_EQ(rustles(), 0);
    EXPECT_FALSE(game().hand.Dragging);
    EXPECT_EQ(foundationTop(table(), 1), 3);
    EXPECT_EQ(testing::tableFault(table()), "");

    testing::dragTo(router, table(), 4, 95.0F, 15.0F);  // the new game plays normally
    EXPECT_EQ(foundationTop(table(), 1), 4);
}

TEST_F(RouterTest, ANewDealEndsAPendingDoubleClickAndAPressOnTheStock)
{
    clickAt(router, kOnSixOfDenari);
    router.doubleClick(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    Nuova_Click(game());
    router.release(kLeftButton, kOnSixOfDenari.x, kOnSixOfDenari.y);
    EXPECT_FALSE(game().hand.DoubleClicked);

    router.press(kLeftButton, kStockPoint.x, kStockPoint.y);
    Nuova_Click(game());
    router.release(kLeftButton, kStockPoint.x, kStockPoint.y);
    EXPECT_EQ(table().StockCards.size(), 28U);
    EXPECT_EQ(rustles(), 1);
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(RouterTest, AClickOnTheWinPromptDealsAgain)
{
    table().Label5.Visible = true;
    const auto deals = table().dealNumber;
    router.press(kLeftButton, 250.0F, 240.0F);
    router.release(kLeftButton, kBareTable.x, kBareTable.y);
    EXPECT_EQ(table().dealNumber, deals);
    clickAt(router, {250.0F, 240.0F});
    EXPECT_EQ(table().dealNumber, deals + 1);
    EXPECT_FALSE(table().Label5.Visible);
    EXPECT_EQ(testing::tableFault(table()), "");
}

}  // namespace
}  // namespace morvane
