// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A card that moved is painted again where it was and where it is; a card brought to the front, where
// it overlaps the cards it passed; anything else, in its old and new places.
#include "view/drawn_table.h"


namespace morvane {
namespace {

Rect imageArea(const Image& image)
{
    return image.Visible ? areaOf({image.Left, image.Top, geometry::kBackWidth, geometry::kBackHeight}) : Rect();
}

// Where two cards changed their order, their overlap now shows the other one on top.
void addRestackedAreas(const DrawnTable& before, const DrawnTable& now, std::vector<Rect>& areas)
{
    std::array<std::size_t, kCardCount + 1> was{};
    std::array<std::size_t, kCardCount + 1> is{};
    for (std::size_t i = 0; i < before.order.size(); ++i) {
        was.at(static_cast<std::size_t>(before.order[i])) = i;
    }
    for (std::size_t i = 0; i < now.order.size(); ++i) {
        is.at(static_cast<std::size_t>(now.order[i])) = i;
    }
    for (std::size_t c = 1; c <= kCardCount; ++c) {
        for (std::size_t d = c + 1; d <= kCardCount; ++d) {
            if ((was[c] < was[d]) != (is[c] < is[d])) {
                areas.push_back(cardArea(now.cards[c]) & cardArea(now.cards[d]));
            }
        }
    }
}

// The drawing with its front card taken off the table, out of sight beyond its right edge.
DrawnTable withoutFrontCard(DrawnTable drawn)
{
    if (!drawn.order.empty()) {
        drawn.cards.at(static_cast<std::size_t>(drawn.order.back())) = {geometry::kParkedLeft, 0.0F};
    }
    return drawn;
}

}  // namespace

Rect areaOf(const RectF& box) { return box.alignedRect().adjusted(-1, -1, 1, 1); }

Rect cardArea(CardSpot spot) { return areaOf({spot.left, spot.top, geometry::kCardWidth, geometry::kCardHeight}); }

DrawnBackground drawnBackground(const Table& table)
{
    DrawnBackground background{table.dealNumber, table.titlePictureShown, table.decorationDrawn, {}};
    for (int place = 1; place <= kPlaces; ++place) {
        const Shape& mark = table.Shape1.at(static_cast<std::size_t>(place));
        if (mark.Visible) {
            background.marks.at(static_cast<std::size_t>(place)) =
                RectF{mark.Left, mark.Top, mark.Width, mark.Height}.alignedRect();
        }
    }
    return background;
}

DrawnTable drawnTable(const Table& table, const std::array<MeasuredLabel, 3>& labels)
{
    DrawnTable drawn{drawnBackground(table), imageArea(table.Mazzo), imageArea(table.Mazzo2), {}, {},
                     table.drawingOrder};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const Label& label = *labels.at(i).label;
        drawn.labels.at(i) = {label.ForeColor, label.Caption, label.Visible ? labels.at(i).extent : Rect()};
    }
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        drawn.cards.at(static_cast<std::size_t>(c)) = {table.card(c).Left, table.card(c).Top};
    }
    return drawn;
}

std::vector<Rect> changedAreas(const DrawnTable& before, const DrawnTable& now, const Rect& whole)
{
    if (before.background != now.background) {
        return {whole};
    }
    std::vector<Rect> areas;
    const auto bothIfChanged = [&areas](const Rect& was, const Rect& is) {
        if (was != is) {
            areas.push_back(was);
            areas.push_back(is);
        }
    };
    bothIfChanged(before.stock, now.stock);
    bothIfChanged(before.reserve, now.reserve);
    for (std::size_t i = 0; i < now.labels.size(); ++i) {
        if (before.labels.at(i) != now.labels.at(i)) {
            areas.push_back(before.labels.at(i).extent);
            areas.push_back(now.labels.at(i).extent);
        }
    }
    for (std::size_t c = 1; c <= kCardCount; ++c) {
        if (before.cards.at(c) != now.cards.at(c)) {
            areas.push_back(cardArea(before.cards.at(c)));
            areas.push_back(cardArea(now.cards.at(c)));
        }
    }
    if (before.order != now.order) {
        addRestackedAreas(before, now, areas);
    }
    std::vector<Rect> shown;
    for (const Rect& area : areas) {
        if (const Rect part = area & whole; !part.isEmpty()) {
            shown.push_back(part);
        }
    }
    return shown;
}

Repaint repaintAreas(const DrawnTable& before, const DrawnTable& now, const Rect& whole)
{
    return {changedAreas(withoutFrontCard(before), withoutFrontCard(now), whole), changedAreas(before, now, whole)};
}

Rect boundingArea(const std::vector<Rect>& areas)
{
    Rect bounds;
    for (const Rect& area : areas) {
        bounds = bounds | area;
    }
    return bounds;
}

}  // namespace morvane
