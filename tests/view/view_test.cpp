// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The view without a window: where the window opens, the panels' text size, what a change repaints.
#include <gtest/gtest.h>

#include "game/table.h"
#include "view/drawn_table.h"
#include "view/panel_layout.h"
#include "view/table_zoom.h"
#include "view/window_placement.h"

namespace morvane {
namespace {

// A 600 x 470 window on a 1024 x 768 screen with a 30-pixel panel at the top: its frame in the middle of
// the rest. On a small screen the table shrinks until the window fits, and a frame larger than the
// screen keeps its caption on it.
TEST(WindowPlacementTest, OpensCentredAndWhollyOnTheFreeArea)
{
    const Rect screen{0, 30, 1024, 738};
    EXPECT_EQ(openingZoom(screen, 6, 45), 1.0);
    EXPECT_EQ(centredFrame(screen, 600, 470), (Point{212, 164}));
    const Rect small{0, 0, 800, 400};
    EXPECT_DOUBLE_EQ(openingZoom(small, 6, 45), (400.0 - 45) / 425);
    EXPECT_EQ(centredFrame(small, 600, 470), (Point{100, 0}));
}

// The largest size whose widest line fits, 13 pixels times the zoom down to 9 times it; the smallest
// tried where none fits.
TEST(PanelLayoutTest, TextIsTheLargestThatShowsEveryLineWhole)
{
    const auto widest = [](int pixelSize) { return pixelSize * 20; };
    EXPECT_EQ(panelFontPixels(1.0, 260, widest), 13);
    EXPECT_EQ(panelFontPixels(1.0, 219, widest), 10);
    EXPECT_EQ(panelFontPixels(1.0, 100, widest), 10);
    EXPECT_EQ(panelFontPixels(2.0, 500, widest), 25);
    EXPECT_EQ(tableBox(panelLayouts()[2]), (Rect{127, 0, 184, 72}));
}

// The pointer maps back to the table pixel it was drawn from, at any zoom and either side of the table.
TEST(TableZoomTest, MapsBothWays)
{
    for (const auto& [width, height] : {std::pair{594, 425}, {814, 640}, {1100, 680}, {416, 300}}) {
        const TableZoom zoom(width, height);
        const RectF card = zoom.toView(RectF{90.0, 120.0, 64.0, 102.0});
        const PointF back = zoom.toTable(card.topLeft());
        EXPECT_NEAR(back.x, 90.0, 1e-9);
        EXPECT_NEAR(back.y, 120.0, 1e-9);
        EXPECT_EQ(zoom.tableArea().height, height);
    }
}

// A card moved repaints where it was and where it is, and nothing else; a new deal, everything.
TEST(DrawnTableTest, ChangedAreasAreTheCardsOldAndNewPlaces)
{
    Table table;
    table.drawingOrder = {1, 2};
    const std::array<MeasuredLabel, 3> labels{{{&table.Label1, {}}, {&table.Label6, {}}, {&table.Label5, {}}}};
    const DrawnTable before = drawnTable(table, labels);
    table.card(2) = {100.0F, 200.0F, true};
    const Rect whole{0, 0, 594, 425};
    const std::vector<Rect> changed = changedAreas(before, drawnTable(table, labels), whole);
    EXPECT_EQ(boundingArea(changed), (Rect{99, 199, 66, 104}));
    EXPECT_TRUE(changedAreas(before, before, whole).empty());
    table.dealNumber = 2;
    EXPECT_EQ(changedAreas(before, drawnTable(table, labels), whole), std::vector<Rect>{whole});
}

}  // namespace
}  // namespace morvane
