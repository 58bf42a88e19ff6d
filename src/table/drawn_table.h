// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the table view last drew, and where two such drawings differ, so that only that is painted again.
#pragma once

#include <QRect>
#include <QRectF>
#include <QRegion>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/table.h"

namespace morvane {

// The pixels a drawing at `box` may touch: its whole pixels, and one more round it for a box between pixels.
QRect areaOf(const QRectF& box);

// The layers that change only when a deal draws the table: the title picture or the table with its
// decoration, which the view keeps drawn in a background picture, and the place marks.
struct DrawnBackground {
    std::uint32_t dealNumber = 0;
    bool titlePictureShown = false;
    bool decorationDrawn = false;
    std::array<QRect, kPlaces + 1> marks{};  // by place number; null while hidden
    friend bool operator==(const DrawnBackground&, const DrawnBackground&) = default;
};

DrawnBackground drawnBackground(const Table& table);

// A label as drawn; its extent holds its box and any letter that leans out of it, null while hidden.
struct DrawnLabel {
    Rgb colour;
    std::string caption;
    QRect extent;
    friend bool operator==(const DrawnLabel&, const DrawnLabel&) = default;
};

struct CardSpot {
    float left = 0.0F;
    float top = 0.0F;
    friend bool operator==(const CardSpot&, const CardSpot&) = default;
};

struct DrawnTable {
    DrawnBackground background;
    QRect stock;                                 // null while hidden
    QRect reserve;                               // null while hidden
    std::array<DrawnLabel, 3> labels;            // in the view's order of its labels
    std::array<CardSpot, kCardCount + 1> cards;  // by card index
    std::vector<CardIndex> order;                // back to front
};

// A label of the table and its extent as the view measured it.
struct MeasuredLabel {
    const Label* label = nullptr;
    QRect extent;
};

// The drawing of `table`, its labels in the order the view gives them.
DrawnTable drawnTable(const Table& table, const std::array<MeasuredLabel, 3>& labels);

// The pixels of `whole` that may differ between two drawings: all of them when the background changed.
QRegion changedArea(const DrawnTable& before, const DrawnTable& now, const QRect& whole);

// The pixels a card at this spot may touch.
QRect cardArea(CardSpot spot);
// A rectangle of pixels that a card drawn over `box` surely covers.
QRect insideOf(const QRectF& box);

}  // namespace morvane
