// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The foundation rule: stacking on the predecessor, opening a foundation, the place a card left,
// and the completion check that wins the game.
#include <gtest/gtest.h>

#include "game/zones.h"
#include "rules/foundation.h"
#include "rules/interpret.h"
#include "support/dealt_game_test.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::carry;
using testing::lineUpColumn;
using testing::stackFoundation;

// A game dealt with these cards in columns 1..4 and this base card.
class FoundationTest : public testing::DealtGameTest {};

TEST_F(FoundationTest, TheNextCardOfTheSuitStacksExactlyOnItsPredecessor)
{
    deal({27, 17, 33, 38, 6});  // base value 6; the 7 of Coppe is the only card of column 2
    stackFoundation(table(), 2, {16});
    carry(game(), 17, 165.0F, 15.0F);
    expectAt(17, 160.0F, 10.0F);
    EXPECT_FALSE(table().card(16).Enabled);
    EXPECT_TRUE(table().card(17).Enabled);
    EXPECT_EQ(foundationTop(table(), 2), 17);
    EXPECT_TRUE(isPlaceFree(table(), 6));  // column 2 is free now
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

TEST_F(FoundationTest, TheAceFollowsTheKingAndTheKingTheHorse)
{
    deal({21, 20, 33, 38, 8});
    stackFoundation(table(), 3, {28, 29, 30});
    stackFoundation(table(), 2, {18, 19});
    carry(game(), 21, 235.0F, 15.0F);
    expectAt(21, 230.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 3), 21);
    EXPECT_FALSE(table().card(30).Enabled);
    carry(game(), 20, 165.0F, 15.0F);
    expectAt(20, 160.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 2), 20);
}

TEST_F(FoundationTest, AnyOtherCardOverAFoundationGoesHome)
{
    deal({23, 14, 33, 38, 1});
    stackFoundation(table(), 2, {11, 12});
    carry(game(), 23, 165.0F, 15.0F);  // another suit
    expectAt(23, 90.0F, 120.0F);
    carry(game(), 14, 165.0F, 15.0F);  // the suit, but not the next value
    expectAt(14, 160.0F, 120.0F);
    EXPECT_EQ(foundationTop(table(), 2), 12);
    EXPECT_TRUE(table().card(12).Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 5));
    EXPECT_FALSE(isPlaceFree(table(), 6));
}

TEST_F(FoundationTest, OnlyThePredecessorTakesACardThatIsNotOfTheBaseValue)
{
    deal({13, 14, 33, 38, 1});
    carry(game(), 13, 165.0F, 15.0F);  // over empty foundation 2
    expectAt(13, 90.0F, 120.0F);
    EXPECT_EQ(foundationTop(table(), 2), 0);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

// A card's predecessor lying in the waste, on the top row past the foundations, takes nothing.
TEST_F(FoundationTest, OnlyAPredecessorOnAFoundationTakesTheCard)
{
    deal({27, 36, 33, 38, 1});
    table().move(2, 420.0F, 10.0F);
    EXPECT_FALSE(whereAFoundationTakes(table(), 3, 425.0F, 15.0F).isMade());
    table().move(2, 300.0F, 10.0F);
    EXPECT_EQ(whereAFoundationTakes(table(), 3, 305.0F, 15.0F).target, 2);
}

TEST_F(FoundationTest, ABaseValueCardOpensTheFirstEmptyFoundationItsCornersTouch)
{
    deal({11, 21, 31, 38, 1});
    carry(game(), 11, 95.0F, 15.0F);  // only over foundation 1, which keeps its base card
    expectAt(11, 90.0F, 120.0F);
    carry(game(), 21, 200.0F, 15.0F);  // top-left corner in place 2, top-right in place 3
    expectAt(21, 160.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 2), 21);
    EXPECT_TRUE(isPlaceFree(table(), 6));
    carry(game(), 11, 200.0F, 15.0F);  // place 2 is taken now: the top-right corner opens 3
    expectAt(11, 230.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 3), 11);
    EXPECT_TRUE(isPlaceFree(table(), 5));
    carry(game(), 31, 450.0F, 15.0F);  // touches no place
    expectAt(31, 230.0F, 120.0F);
    EXPECT_EQ(foundationTop(table(), 4), 0);
    EXPECT_EQ(foundationTop(table(), 1), 1);
}

TEST_F(FoundationTest, StackingFromAColumnUncoversTheCardAboveButNoFoundationCard)
{
    deal({27, 36, 33, 38, 4});                  // base value 4
    stackFoundation(table(), 1, {4, 5, 6, 7});  // the 6 of Denari lies covered at x 90, on the top row
    stackFoundation(table(), 2, {24});
    lineUpColumn(table(), 1, {27, 16, 25});
    lineUpColumn(table(), 2, {36, 15});
    carry(game(), 25, 165.0F, 15.0F);
    expectAt(25, 160.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 2), 25);
    EXPECT_FALSE(table().card(24).Enabled);
    EXPECT_TRUE(table().card(16).Enabled);   // the 6 of Coppe it covered
    EXPECT_FALSE(table().card(6).Enabled);   // a 6 at x 90, but on a foundation
    EXPECT_FALSE(table().card(36).Enabled);  // a 6 in another column
    EXPECT_FALSE(table().card(27).Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

TEST_F(FoundationTest, AWasteCardStacksWithoutFreeingOrUncoveringAnything)
{
    deal({27, 36, 33, 38, 1});
    table().move(3, 380.0F, 10.0F);  // the pile at 380: the 3 of Denari under the 2
    table().move(2, 380.0F, 10.0F);
    table().card(2).Enabled = true;
    carry(game(), 2, 95.0F, 15.0F);
    expectAt(2, 90.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 1), 2);
    EXPECT_FALSE(table().card(3).Enabled);  // the waste row lies above the columns
    for (std::size_t place = 5; place <= 8; ++place) {
        EXPECT_FALSE(isPlaceFree(table(), static_cast<int>(place)));
    }
}

TEST_F(FoundationTest, ABaseValueCardFromTheWastePileUncoversTheNextValueUnderIt)
{
    deal({27, 36, 33, 38, 1});
    table().move(12, 380.0F, 10.0F);  // the 2 of Coppe under the ace of Bastoni at 380
    table().move(21, 380.0F, 10.0F);
    table().card(21).Enabled = true;
    carry(game(), 21, 235.0F, 15.0F);
    expectAt(21, 230.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 3), 21);
    // (380 - 20) / 70 * 70 + 20 must give 380 again in single precision.
    EXPECT_TRUE(table().card(12).Enabled);
}

TEST_F(FoundationTest, ABaseValueCardFromAColumnUncoversTheCardAboveAndFreesAnEmptiedPlace)
{
    deal({23, 31, 33, 38, 1});
    lineUpColumn(table(), 1, {23, 12, 21});
    carry(game(), 21, 165.0F, 15.0F);
    EXPECT_EQ(foundationTop(table(), 2), 21);
    EXPECT_TRUE(table().card(12).Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 5));
    carry(game(), 31, 235.0F, 15.0F);  // the only card of column 2
    EXPECT_EQ(foundationTop(table(), 3), 31);
    EXPECT_TRUE(isPlaceFree(table(), 6));
}

// In line with its predecessor on one axis or both, no corner lies strictly inside it; the overlap is enough.
TEST_F(FoundationTest, ACardLetGoExactlyInLineWithItsPredecessorStacksOnIt)
{
    for (const testing::Point at : {testing::Point{160.0F, 40.0F}, {180.0F, 10.0F}, {160.0F, 10.0F}, {161.0F, 11.0F}}) {
        deal({17, 27, 33, 38, 6});
        stackFoundation(table(), 2, {16});
        carry(game(), 17, at.x, at.y);
        expectAt(17, 160.0F, 10.0F);
        EXPECT_EQ(foundationTop(table(), 2), 17);
        EXPECT_TRUE(isPlaceFree(table(), 5));
    }
    deal({17, 27, 33, 38, 6});
    stackFoundation(table(), 2, {16});
    carry(game(), 17, 224.0F, 10.0F);  // it meets the 6 only along its right border
    expectAt(17, 90.0F, 120.0F);
}

TEST_F(FoundationTest, CompleteFoundationsAreDisabledFromTheFirstOnward)
{
    deal({30, 36, 33, 38, 1});  // base value 1: complete with a king on top
    stackFoundation(table(), 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    stackFoundation(table(), 2, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    stackFoundation(table(), 3, {21, 22, 23, 24, 25, 26, 27, 28, 29});
    stackFoundation(table(), 4, {31, 32, 33, 34, 35, 36, 37, 38, 39, 40});
    lineUpColumn(table(), 1, {30});
    carry(game(), 30, 450.0F, 15.0F);  // a refused drop runs the check too
    expectAt(30, 90.0F, 120.0F);
    EXPECT_FALSE(table().card(10).Enabled);
    EXPECT_FALSE(table().card(20).Enabled);
    EXPECT_TRUE(table().card(29).Enabled);
    EXPECT_TRUE(table().card(40).Enabled);  // complete, but after an incomplete foundation
    EXPECT_EQ(machine->beeper.beeps, 0);
    EXPECT_FALSE(table().Label5.Visible);

    carry(game(), 30, 235.0F, 15.0F);
    EXPECT_EQ(foundationTop(table(), 3), 30);
    EXPECT_FALSE(table().card(30).Enabled);
    EXPECT_FALSE(table().card(40).Enabled);
    EXPECT_EQ(machine->beeper.beeps, 1);
    EXPECT_TRUE(table().Label5.Visible);
}

TEST_F(FoundationTest, AnIncompleteOrEmptyFoundationEndsTheCheck)
{
    deal({30, 36, 33, 38, 1});
    stackFoundation(table(), 1, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    stackFoundation(table(), 2, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    closeCompleteFoundations(table());
    EXPECT_TRUE(table().card(20).Enabled);

    stackFoundation(table(), 1, {10});
    stackFoundation(table(), 4, {31, 32, 33, 34, 35, 36, 37, 38, 39, 40});
    closeCompleteFoundations(table());
    EXPECT_FALSE(allFoundationsComplete(table()));  // foundation 3 is empty
    EXPECT_FALSE(table().card(10).Enabled);
    EXPECT_FALSE(table().card(20).Enabled);
    EXPECT_TRUE(table().card(40).Enabled);
}

TEST_F(FoundationTest, WithBaseValueTenAFoundationIsCompleteUnderItsNine)
{
    deal({30, 36, 33, 38, 10});
    stackFoundation(table(), 1, {10, 1, 2, 3, 4, 5, 6, 7, 8});
    stackFoundation(table(), 2, {20, 11});
    closeCompleteFoundations(table());
    EXPECT_TRUE(table().card(8).Enabled);
    stackFoundation(table(), 1, {9});
    closeCompleteFoundations(table());
    EXPECT_FALSE(table().card(9).Enabled);
    EXPECT_TRUE(table().card(11).Enabled);
}

// A foundation's top card dragged a little and let go over the card under it lands where it was: a
// move with no effect. The column that shares the foundation's x must not see a card of the next
// value uncovered.
TEST_F(FoundationTest, PuttingAFoundationCardBackOnItsPredecessorUncoversNothingBelow)
{
    deal({23, 12, 2, 39, 1});
    carry(game(), 2, 95.0F, 15.0F);    // the 2 of Denari onto the ace of the base card
    carry(game(), 12, 95.0F, 155.0F);  // the 2 of Coppe under the 3 of Bastoni in column 1
    ASSERT_FALSE(table().card(23).Enabled);
    Hand hand{.HomeLeft = 90.0F, .HomeTop = 10.0F};
    noteOrigin(hand, table().card(2));
    EXPECT_EQ(interpret(table(), hand, 2, 95.0F, 15.0F).kind, Move::Kind::NoEffect);
    carry(game(), 2, 95.0F, 15.0F);  // the 2 of Denari back onto the ace
    expectAt(2, 90.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 1), 2);
    EXPECT_FALSE(table().card(23).Enabled) << "the 3 of Bastoni, covered in column 1, can be taken";
    EXPECT_EQ(testing::tableFault(table()), "");
}

}  // namespace
}  // namespace morvane
