// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The column rule: lining up under a card of the other group, free column places, the base-value
// refusal that starts the blink, and the place a card left.
#include <gtest/gtest.h>

#include "game/zones.h"
#include "rules/column.h"
#include "support/dealt_game_test.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::carry;
using testing::lineUpColumn;
using testing::stackFoundation;

class ColumnTest : public testing::DealtGameTest {
protected:
    // Column 3 holds the 4 of Denari, which goes onto the 3 of the base card and frees its place.
    void freeColumn3()
    {
        carry(game(), 4, 95.0F, 15.0F);
        ASSERT_TRUE(isPlaceFree(table(), 7));
    }
};

TEST_F(ColumnTest, ACardLinesUpUnderTheNextValueOfTheOtherGroup)
{
    deal({6, 37, 23, 38, 3});  // base value 3
    lineUpColumn(table(), 2, {18, 37});
    carry(game(), 6, 165.0F, 160.0F);
    expectAt(6, 160.0F, 180.0F);
    EXPECT_FALSE(table().card(37).Enabled);
    EXPECT_TRUE(table().card(6).Enabled);
    EXPECT_TRUE(isPlaceFree(table(), 5));  // the 6 was the only card of column 1
    EXPECT_FALSE(table().Timer1.Enabled);
}

TEST_F(ColumnTest, TwoShortSuitsNeverLineUp)
{
    deal({6, 17, 4, 38, 3});
    carry(game(), 6, 165.0F, 130.0F);  // over the 7 of Coppe
    expectAt(6, 90.0F, 120.0F);
    freeColumn3();
    carry(game(), 6, 200.0F, 130.0F);  // over it and over free place 7: the top-right corner finds the place
    expectAt(6, 230.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 7));
    EXPECT_TRUE(isPlaceFree(table(), 5));
}

TEST_F(ColumnTest, TheKingLinesUpUnderTheAce)
{
    deal({30, 11, 23, 38, 5});
    carry(game(), 30, 165.0F, 140.0F);
    expectAt(30, 160.0F, 150.0F);
    EXPECT_FALSE(table().card(11).Enabled);
}

TEST_F(ColumnTest, NothingLinesUpUnderTheBaseValueAndTheLabelBlinks)
{
    deal({30, 11, 2, 38, 1});  // base value 1: no king goes under an ace
    carry(game(), 30, 165.0F, 140.0F);
    expectAt(30, 90.0F, 120.0F);
    EXPECT_TRUE(table().card(11).Enabled);
    EXPECT_TRUE(table().Timer1.Enabled);

    table().Timer1.Enabled = false;
    carry(game(), 30, 160.0F, 120.0F);  // exactly on the ace: refused too, but no corner touched it
    expectAt(30, 90.0F, 120.0F);
    EXPECT_FALSE(table().Timer1.Enabled);
    carry(game(), 2, 95.0F, 15.0F);     // frees column 3
    carry(game(), 30, 200.0F, 140.0F);  // the ace refuses it, free place 7 takes it
    expectAt(30, 230.0F, 120.0F);
    EXPECT_TRUE(table().Timer1.Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 7));
}

TEST_F(ColumnTest, ACandidateWinsOverAFreePlace)
{
    deal({6, 37, 4, 38, 3});
    freeColumn3();
    carry(game(), 6, 200.0F, 130.0F);  // top-left corner on the 7 of Spade, top-right on free place 7
    expectAt(6, 160.0F, 150.0F);
    EXPECT_TRUE(isPlaceFree(table(), 7));
}

TEST_F(ColumnTest, ACoveredCardIsNoCandidate)
{
    deal({6, 37, 23, 38, 3});
    lineUpColumn(table(), 2, {37, 16});  // the 7 of Spade covered by the 6 of Coppe
    carry(game(), 6, 165.0F, 125.0F);
    expectAt(6, 90.0F, 120.0F);
    EXPECT_FALSE(table().Timer1.Enabled);
}

TEST_F(ColumnTest, OfTwoCandidatesTheEarlierCornerWinsThenTheLowerIndex)
{
    deal({6, 27, 37, 38, 3});          // the 7 of Bastoni in column 2, the 7 of Spade in column 3
    carry(game(), 6, 200.0F, 130.0F);  // top-left corner on the 7 of Bastoni, top-right on the 7 of Spade
    expectAt(6, 160.0F, 150.0F);

    deal({6, 27, 37, 38, 3});
    table().move(37, 170.0F, 125.0F);  // both candidates hold the top-left corner
    carry(game(), 6, 200.0F, 130.0F);
    expectAt(6, 160.0F, 150.0F);
    EXPECT_FALSE(table().card(27).Enabled);
    EXPECT_TRUE(table().card(37).Enabled);

    deal({6, 37, 27, 38, 3});  // the 7 of Spade in column 2, the 7 of Bastoni in column 3
    carry(game(), 6, 200.0F, 130.0F);
    expectAt(6, 160.0F, 150.0F);
    EXPECT_FALSE(table().card(37).Enabled);
}

TEST_F(ColumnTest, ABaseValueCardLinesUpUnderACardOneHigherAndGoesOnAFreePlace)
{
    deal({14, 37, 23, 38, 13});        // base value 3
    carry(game(), 23, 95.0F, 130.0F);  // the 3 of Bastoni under the 4 of Coppe
    expectAt(23, 90.0F, 150.0F);
    EXPECT_FALSE(table().card(14).Enabled);
    EXPECT_TRUE(isPlaceFree(table(), 7));
    carry(game(), 23, 235.0F, 125.0F);  // back onto its own place, free now
    expectAt(23, 230.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 7));
    EXPECT_TRUE(table().card(14).Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

TEST_F(ColumnTest, AFoundationTopPlayedToAColumnLeavesTheCardUnderItOnTop)
{
    deal({16, 37, 23, 38, 3});
    stackFoundation(table(), 1, {3, 4, 5, 6});
    carry(game(), 6, 165.0F, 140.0F);
    expectAt(6, 160.0F, 150.0F);
    EXPECT_TRUE(table().card(5).Enabled);
    EXPECT_EQ(foundationTop(table(), 1), 5);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

TEST_F(ColumnTest, AnAcePlayedFromAFoundationLeavesTheKingOnTop)
{
    deal({21, 12, 32, 38, 8});  // base value 8: Denari 8, 9, 10 and the ace on foundation 1
    stackFoundation(table(), 1, {8, 9, 10, 1});
    carry(game(), 1, 165.0F, 140.0F);  // over the 2 of Coppe, of its own group
    expectAt(1, 90.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 1), 1);
    carry(game(), 1, 235.0F, 140.0F);  // under the 2 of Spade
    expectAt(1, 230.0F, 150.0F);
    EXPECT_TRUE(table().card(10).Enabled);
    EXPECT_EQ(foundationTop(table(), 1), 10);
}

TEST_F(ColumnTest, TheOnlyCardOfAColumnMovesToAFreePlace)
{
    deal({6, 37, 4, 38, 3});
    freeColumn3();
    carry(game(), 6, 235.0F, 130.0F);
    expectAt(6, 230.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 7));
    EXPECT_TRUE(isPlaceFree(table(), 5));
}

TEST_F(ColumnTest, TheFourthCardOfAColumnUncoversTheThird)
{
    deal({28, 37, 23, 36, 3});
    lineUpColumn(table(), 1, {28, 17, 26, 15});
    carry(game(), 15, 305.0F, 140.0F);  // under the 6 of Spade in column 4
    expectAt(15, 300.0F, 150.0F);
    EXPECT_TRUE(table().card(26).Enabled);
    EXPECT_FALSE(table().card(17).Enabled);
    EXPECT_FALSE(table().card(28).Enabled);
    EXPECT_FALSE(table().card(36).Enabled);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

TEST_F(ColumnTest, AWasteCardPlayedToAColumnUncoversNothing)
{
    deal({6, 37, 23, 38, 3});
    table().move(7, 380.0F, 10.0F);  // the pile at 380: the 6 of Coppe over the 7 of Denari
    table().move(16, 380.0F, 10.0F);
    table().card(16).Enabled = true;
    carry(game(), 16, 165.0F, 140.0F);
    expectAt(16, 160.0F, 150.0F);
    EXPECT_FALSE(table().card(7).Enabled);  // a 7 where the 6 came from, but on the top row
    for (std::size_t place = 5; place <= 8; ++place) {
        EXPECT_FALSE(isPlaceFree(table(), static_cast<int>(place)));
    }
}

TEST_F(ColumnTest, TheOnlyCardOfAColumnLetGoOverItsOwnPlaceGoesHome)
{
    deal({6, 37, 23, 38, 3});
    carry(game(), 6, 95.0F, 130.0F);
    expectAt(6, 90.0F, 120.0F);
    EXPECT_FALSE(isPlaceFree(table(), 5));
}

// Laid exactly in line with the card it may go under, no corner lies strictly inside that card; the
// overlap is enough. Carried one column pitch to the right, the 6 of Denari lies exactly on the 7.
TEST_F(ColumnTest, ACardLetGoExactlyInLineWithTheCardItShouldJoinLinesUpUnderIt)
{
    for (const testing::Point at : {testing::Point{160.0F, 120.0F}, {160.0F, 150.0F}, {170.0F, 120.0F}}) {
        deal({6, 37, 23, 38, 3});
        carry(game(), 6, at.x, at.y);
        expectAt(6, 160.0F, 150.0F);
        EXPECT_FALSE(table().card(37).Enabled);
        EXPECT_TRUE(isPlaceFree(table(), 5));
    }
    deal({6, 37, 4, 38, 3});
    freeColumn3();
    carry(game(), 6, 200.0F, 120.0F);  // in line with the 7 and touching free place 7: the place, as before
    expectAt(6, 230.0F, 120.0F);
}

}  // namespace
}  // namespace morvane
