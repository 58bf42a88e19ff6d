// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The looks of the table's things: the labels' boxes and fonts, the marks' colours, the piles' places.
#include "view/table_layers.h"

#include "game/geometry.h"
#include "view/drawn_table.h"

namespace morvane {
namespace {

constexpr Rgb kFoundationMark{255, 255, 0};
constexpr Rgb kColumnMark{0, 0, 0};

// Point sizes are of a 96-dpi screen: 4/3 pixels a point.
int pixelsForPoints(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

}  // namespace

FontAsked tableFont(int pixelSize) { return {"Liberation Serif", "Times New Roman", true, true, pixelSize}; }

FontAsked windowFont(int pixelSize) { return {"Liberation Sans", "Arial", false, false, pixelSize}; }

const std::array<LabelLook, 3>& labelLooks()
{
    static const std::array<LabelLook, 3> looks{{
        {&Table::Label1, geometry::kLabel1Width, geometry::kLabel1Height, kDarkGreen, tableFont(pixelsForPoints(48)),
         false},
        {&Table::Label6, geometry::kLabel6Width, geometry::kLabel6Height, kDarkGreen,
         tableFont(pixelsForPoints(13.8)), false},
        {&Table::Label5, geometry::kLabel5Width, geometry::kLabel5Height, kTableGreen,
         tableFont(pixelsForPoints(19.8)), true},
    }};
    return looks;
}

RectF labelBox(const LabelLook& look, const Label& label) { return {label.Left, label.Top, look.width, look.height}; }

Rect labelExtent(const RectF& box, const RectF& measuredText, int pixelSize)
{
    const double spare = pixelSize / 4.0;
    return areaOf(box | measuredText.adjusted(-spare, -spare, spare, spare));
}

std::vector<PlaceMark> placeMarks(const DrawnBackground& background)
{
    std::vector<PlaceMark> marks;
    for (int place = 1; place <= kPlaces; ++place) {
        const Rect& box = background.marks.at(static_cast<std::size_t>(place));
        if (!box.isEmpty()) {
            marks.push_back({box, place < kFirstColumnPlace ? kFoundationMark : kColumnMark});
        }
    }
    return marks;
}

RectF backBox(const Image& pile) { return {pile.Left, pile.Top, geometry::kBackWidth, geometry::kBackHeight}; }

std::vector<RectF> shownBacks(const Table& table)
{
    std::vector<RectF> backs;
    for (const Image* pile : {&table.Mazzo, &table.Mazzo2}) {
        if (pile->Visible) {
            backs.push_back(backBox(*pile));
        }
    }
    return backs;
}

RectF cardBox(const CardPicture& card) { return {card.Left, card.Top, geometry::kCardWidth, geometry::kCardHeight}; }

}  // namespace morvane
