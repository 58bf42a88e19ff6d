// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the table view last drew, and where two such drawings differ, so that only that is painted again.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/table.h"
#include "view/pixels.h"

namespace morvane {

// The pixels a drawing at `box` may touch: its whole pixels, and one more round it for a box between pixels.
Rect areaOf(const RectF& box);

// The layers that change only when a deal draws the table: the title picture or the table with its
// decoration, which the view keeps drawn in a background picture, and the place marks.
struct DrawnBackground {
    std::uint32_t dealNumber = 0;
    bool titlePictureShown = false;
    bool decorationDrawn = false;
    std::array<Rect, kPlaces + 1> marks{};  // by place number; empty while hidden
    friend bool operator==(const DrawnBackground&, const DrawnBackground&) = default;
};

DrawnBackground drawnBackground(const Table& table);

// A label as drawn; its extent holds its box and any letter that leans out of it, empty while hidden.
struct DrawnLabel {
    Rgb colour;
    std::string caption;
    Rect extent;
    friend bool operator==(const DrawnLabel&, const DrawnLabel&) = default;
};

struct CardSpot {
    float left = 0.0F;
    float top = 0.0F;
    friend bool operator==(const CardSpot&, const CardSpot&) = default;
};

struct DrawnTable {
    DrawnBackground background;
    Rect stock;                                 // empty while hidden
    Rect reserve;                               // empty while hidden
    std::array<DrawnLabel, 3> labels;            // in the view's order of its labels
    std::array<CardSpot, kCardCount + 1> cards;  // by card index
    std::vector<CardIndex> order;                // back to front
};

// A label of the table and its extent as the view measured it.
struct MeasuredLabel {
    const Label* label = nullptr;
    Rect extent;
};

// The drawing of `table`, its labels in the order the view gives them.
DrawnTable drawnTable(const Table& table, const std::array<MeasuredLabel, 3>& labels);

// The pixels of `whole` that may differ between two drawings, as rectangles that may overlap: all of
// `whole` when the background changed. Nothing differs when the list is empty.
std::vector<Rect> changedAreas(const DrawnTable& before, const DrawnTable& now, const Rect& whole);
// What a change repaints. The front card is drawn over the rest of the table, which the view keeps drawn
// apart, so that a carried card moving over it costs a copy of its old and new places and one card.
struct Repaint {
    std::vector<Rect> under;  // the table without its front card: whatever changed there
    std::vector<Rect> shown;  // what the screen shows
};
Repaint repaintAreas(const DrawnTable& before, const DrawnTable& now, const Rect& whole);

// The smallest rectangle holding all of them.
Rect boundingArea(const std::vector<Rect>& areas);

// The pixels a card at this spot may touch.
Rect cardArea(CardSpot spot);

}  // namespace morvane
