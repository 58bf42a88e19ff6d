// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drag cycle of a card: which rule a release asks, the fixed first card of a foundation, other
// buttons, the double-click, and what every press does to the blink and the panels.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/zones.h"
#include "interaction/card_drag.h"
#include "interaction/reserve.h"
#include "interaction/table_events.h"
#include "support/dealt_game_test.h"
#include "support/fake_ports.h"
#include "support/table_invariants.h"

namespace morvane {
namespace {

using testing::carry;

class CardDragTest : public testing::DealtGameTest {};

// Column 1 holds the 3 of Coppe, of the base value 3; column 2 the 4 of Denari, which goes onto
// the base card and leaves column place 6 free.
constexpr std::initializer_list<int> kBaseValueInColumn{13, 4, 33, 38, 3};

TEST_F(CardDragTest, AtTop110TheFoundationRuleIsAsked)
{
    deal(kBaseValueInColumn);
    carry(game(), 4, 95.0F, 15.0F);
    carry(game(), 13, 165.0F, 110.0F);  // the top-left corner on foundation 2's bottom border
    expectAt(13, 160.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 2), 13);
    EXPECT_TRUE(isPlaceFree(table(), 6));
}

TEST_F(CardDragTest, Below110TheColumnRuleIsAsked)
{
    deal(kBaseValueInColumn);
    carry(game(), 4, 95.0F, 15.0F);
    carry(game(), 13, 165.0F, 111.0F);  // the bottom-left corner on free column place 6
    expectAt(13, 160.0F, 120.0F);
    EXPECT_EQ(foundationTop(table(), 2), 0);
    EXPECT_FALSE(isPlaceFree(table(), 6));
    EXPECT_TRUE(isPlaceFree(table(), 5));
}

TEST_F(CardDragTest, TheFirstCardOfAFoundationAlwaysGoesHome)
{
    deal(kBaseValueInColumn);
    carry(game(), 4, 95.0F, 15.0F);
    carry(game(), 4, 165.0F, 140.0F);  // the 4 back to free column place 6: a foundation card may leave
    ASSERT_EQ(foundationTop(table(), 1), 3);
    carry(game(), 3, 235.0F, 15.0F);  // the base card over empty foundation 3
    expectAt(3, 90.0F, 10.0F);
    carry(game(), 3, 235.0F, 300.0F);  // and down in the columns
    expectAt(3, 90.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 1), 3);
    EXPECT_EQ(foundationTop(table(), 3), 0);

    carry(game(), 13, 165.0F, 15.0F);  // a card of the base value opens foundation 2 from a column
    expectAt(13, 160.0F, 10.0F);
    carry(game(), 13, 235.0F, 15.0F);  // and stays there
    expectAt(13, 160.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 2), 13);
    EXPECT_EQ(foundationTop(table(), 3), 0);
    EXPECT_EQ(rustles(), 6);
}

// The release of a right-button press asks the rule with the hand the last release emptied. Here the
// foundation rule takes the card where it lies, on the card under it, and must free no column place.
TEST_F(CardDragTest, ARightButtonPressStartsNoDragButItsReleaseAsksARule)
{
    deal(kBaseValueInColumn);
    carry(game(), 4, 95.0F, 15.0F);  // the 4 of Denari from column 2 onto the base card
    Mazzo2_Click(game());            // the reserve's next card takes column place 6 again
    ASSERT_FALSE(isPlaceFree(table(), 6));

    Carta_MouseMove(game(), 4, 10.0F, 10.0F);
    Carta_MouseDown(game(), 4, kRightButton, 10.0F, 10.0F);
    Carta_MouseMove(game(), 4, 60.0F, 90.0F);
    expectAt(4, 90.0F, 10.0F);  // the card does not follow the pointer
    const long before = rustles();
    Carta_MouseUp(game(), 4);
    EXPECT_EQ(rustles(), before + 1);
    expectAt(4, 90.0F, 10.0F);
    EXPECT_EQ(foundationTop(table(), 1), 4);
    EXPECT_FALSE(isPlaceFree(table(), 6));
    EXPECT_EQ(testing::tableFault(table()), "");
}

TEST_F(CardDragTest, ADoubleClickLeavesTheCardWhereItWas)
{
    deal(kBaseValueInColumn);
    Carta_MouseMove(game(), 4, 30.0F, 40.0F);
    Carta_MouseDown(game(), 4, kLeftButton, 30.0F, 40.0F);
    Carta_MouseUp(game(), 4);
    Carta_DblClick(game(), 4);
    Carta_MouseDown(game(), 4, kLeftButton, 30.0F, 40.0F);  // the window sends none; it must not start a drag
    EXPECT_FALSE(game().hand.Dragging);
    Carta_MouseMove(game(), 4, 80.0F, 200.0F);
    expectAt(4, 160.0F, 120.0F);
    Carta_MouseUp(game(), 4);
    expectAt(4, 160.0F, 120.0F);
    EXPECT_FALSE(game().hand.DoubleClicked);
    EXPECT_FALSE(game().hand.Dragging);
    EXPECT_EQ(rustles(), 2);
    carry(game(), 4, 95.0F, 15.0F);  // the next press drags again
    expectAt(4, 90.0F, 10.0F);
}

TEST_F(CardDragTest, APressOnACardStopsTheBlinkAndLeavesTheLabelGreen)
{
    deal({30, 11, 33, 38, 1});
    carry(game(), 30, 165.0F, 140.0F);  // a king over the ace of Coppe, under which nothing may go
    ASSERT_TRUE(table().Timer1.Enabled);
    Timer1_Timer(game());
    ASSERT_EQ(table().Label1.ForeColor, kLabelRed);
    Carta_MouseMove(game(), 11, 5.0F, 5.0F);
    Carta_MouseDown(game(), 11, kRightButton, 5.0F, 5.0F);
    EXPECT_FALSE(table().Timer1.Enabled);
    EXPECT_FALSE(table().BlinkPhase);
    EXPECT_EQ(table().Label1.ForeColor, kLabelGreen);
    Carta_MouseUp(game(), 11);
}

TEST_F(CardDragTest, APressWhileNothingBlinksLeavesTheLabelAsItIs)
{
    deal({30, 11, 33, 38, 1});
    table().Label1.ForeColor = kLabelRed;  // as the ticks of the title pause may leave it
    Carta_MouseDown(game(), 11, kLeftButton, 5.0F, 5.0F);
    EXPECT_EQ(table().Label1.ForeColor, kLabelRed);
    EXPECT_TRUE(table().BlinkPhase);
    EXPECT_FALSE(table().Timer1.Enabled);
}

TEST_F(CardDragTest, AnyPressOnACardHidesThePanels)
{
    deal({30, 11, 33, 38, 1});
    table().Text2.Visible = true;
    Carta_MouseMove(game(), 11, 5.0F, 5.0F);
    Carta_MouseDown(game(), 11, kMiddleButton, 5.0F, 5.0F);
    EXPECT_FALSE(table().Text2.Visible);
    Carta_MouseUp(game(), 11);

    table().Text4.Visible = true;
    Carta_DblClick(game(), 11);
    Carta_MouseDown(game(), 11, kLeftButton, 5.0F, 5.0F);
    EXPECT_FALSE(table().Text4.Visible);
    EXPECT_FALSE(game().hand.Dragging);
}

}  // namespace
}  // namespace morvane
