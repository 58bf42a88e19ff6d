// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The corner probe and the place test: borders, the order of corners and candidates, occupied places.
#include <gtest/gtest.h>

#include <array>

#include "rules/probe.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

using testing::dealtGame;

std::int16_t probeOne(float left, float top, ProbeTarget target, Containment mode)
{
    const std::array<ProbeTarget, 1> targets{target};
    return probeCorners(left, top, targets, mode);
}

constexpr ProbeTarget kTarget{7, 160.0F, 120.0F};

TEST(CornerProbe, BordersCountForPlacesButNotForCards)
{
    // Each corner of the released card in turn lies exactly on a corner of the target.
    const std::array<std::pair<float, float>, 4> onTargetCorner{
        {{160.0F, 120.0F}, {96.0F, 120.0F}, {96.0F, 20.0F}, {160.0F, 20.0F}}};
    for (const auto& [left, top] : onTargetCorner) {
        EXPECT_EQ(probeOne(left, top, kTarget, Containment::Inclusive), 7) << left << ", " << top;
        EXPECT_EQ(probeOne(left, top, kTarget, Containment::Strict), 0) << left << ", " << top;
    }
    // The far borders: the top-left corner on the target's bottom-right corner.
    EXPECT_EQ(probeOne(224.0F, 220.0F, kTarget, Containment::Inclusive), 7);
    EXPECT_EQ(probeOne(224.5F, 220.0F, kTarget, Containment::Inclusive), 0);
    EXPECT_EQ(probeOne(224.0F, 220.5F, kTarget, Containment::Inclusive), 0);
}

TEST(CornerProbe, StrictModeNeedsACornerInsideOnBothAxes)
{
    EXPECT_EQ(probeOne(161.0F, 121.0F, kTarget, Containment::Strict), 7);
    EXPECT_EQ(probeOne(97.0F, 21.0F, kTarget, Containment::Strict), 7);  // only the bottom-right corner inside
    // The same Left or the same Top as the target: no corner offset lies strictly inside on that axis.
    EXPECT_EQ(probeOne(160.0F, 150.0F, kTarget, Containment::Strict), 0);
    EXPECT_EQ(probeOne(180.0F, 120.0F, kTarget, Containment::Strict), 0);
    EXPECT_EQ(probeOne(160.0F, 120.0F, kTarget, Containment::Strict), 0);
}

TEST(CornerProbe, CornerOrderComesBeforeCandidateOrder)
{
    // The first candidate holds only the top-right corner, the second the top-left one.
    const std::array<ProbeTarget, 2> targets{{{1, 200.0F, 100.0F}, {2, 130.0F, 100.0F}}};
    EXPECT_EQ(probeCorners(140.0F, 110.0F, targets, Containment::Strict), 2);
    // Both hold the top-left corner: the earlier candidate wins.
    const std::array<ProbeTarget, 2> overlapping{{{1, 130.0F, 100.0F}, {2, 120.0F, 105.0F}}};
    EXPECT_EQ(probeCorners(140.0F, 110.0F, overlapping, Containment::Strict), 1);
}

TEST(CornerProbe, TheBottomLeftCornerIsTriedLast)
{
    // Only the bottom-left corner (100, 200) of the released card lies in the target.
    const std::array<ProbeTarget, 2> targets{{{3, 80.0F, 190.0F}, {4, 500.0F, 500.0F}}};
    EXPECT_EQ(probeCorners(100.0F, 100.0F, targets, Containment::Strict), 3);
    EXPECT_EQ(probeCorners(100.0F, 100.0F, {}, Containment::Inclusive), 0);
}

class PlaceTest : public ::testing::Test {
protected:
    std::unique_ptr<testing::FakeMachine> machine = dealtGame();
    Table& table = machine->game.table;
};

TEST_F(PlaceTest, BottomRightCornerOfTwoFreeColumnPlacesWinsOverBottomLeft)
{
    table.PlaceCard[5] = 0;
    table.PlaceCard[6] = 0;
    // Above the places: (214, 215) lies in place 6 and is tried before (150, 215) in place 5.
    EXPECT_EQ(CollSh(table, 150.0F, 115.0F, 5), 6);
    // Lower, the top-left corner (150, 125) lies in place 5 and is tried first.
    EXPECT_EQ(CollSh(table, 150.0F, 125.0F, 5), 5);
}

TEST_F(PlaceTest, AnOccupiedPlaceIsNeverReturned)
{
    table.PlaceCard[6] = 0;
    EXPECT_EQ(CollSh(table, 150.0F, 125.0F, 5), 6);  // place 5 is occupied, the top-right corner is in 6
    EXPECT_EQ(CollSh(table, 90.0F, 120.0F, 5), 0);   // exactly on occupied place 5
    EXPECT_EQ(CollSh(table, 90.0F, 10.0F, 1), 0);    // exactly on foundation 1, which holds the base card
    EXPECT_EQ(CollSh(table, 160.0F, 10.0F, 1), 2);   // exactly on empty foundation 2: borders count
}

TEST_F(PlaceTest, FoundationAndColumnRangesAreApart)
{
    table.PlaceCard.fill(0);
    EXPECT_EQ(CollSh(table, 230.0F, 120.0F, 1), 0);  // a column place is not a foundation
    EXPECT_EQ(CollSh(table, 230.0F, 10.0F, 5), 0);
    EXPECT_EQ(CollSh(table, 230.0F, 10.0F, 1), 3);
    EXPECT_EQ(CollSh(table, 230.0F, 20.0F, 5), 7);  // the bottom corners (230, 120) and (294, 120) touch place 7
}

TEST_F(PlaceTest, AllPlacesOccupiedGiveNothingAnywhere)
{
    table.PlaceCard.fill(0);
    table.PlaceCard[1] = 1;
    table.PlaceCard[2] = 12;
    table.PlaceCard[3] = 23;
    table.PlaceCard[4] = 34;
    for (std::int16_t k = 5; k <= 8; ++k) {
        table.PlaceCard[static_cast<std::size_t>(k)] = k;
    }
    int probes = 0;
    for (float left = -70.0F; left <= 400.0F; left += 5.0F) {
        for (float top = -100.0F; top <= 300.0F; top += 5.0F) {
            ASSERT_EQ(CollSh(table, left, top, 1), 0) << left << ", " << top;
            ASSERT_EQ(CollSh(table, left, top, 5), 0) << left << ", " << top;
            ++probes;
        }
    }
    EXPECT_GT(probes, 1000);
}

}  // namespace
}  // namespace morvane
