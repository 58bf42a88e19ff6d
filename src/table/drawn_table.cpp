// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A card that moved is painted again where it was and where it is; a card brought to the front, where
// it overlaps the cards it passed; anything else, in its old and new places.
#include "drawn_table.h"

#include <cmath>

namespace morvane {
namespace {

QRect imageArea(const Image& image)
{
    return image.Visible ? areaOf({image.Left, image.Top, geometry::kBackWidth, geometry::kBackHeight}) : QRect();
}

// Where two cards changed their order, their overlap now shows the other one on top.
QRegion restackedArea(const DrawnTable& before, const DrawnTable& now)
{
    std::array<std::size_t, kCardCount + 1> was{};
    std::array<std::size_t, kCardCount + 1> is{};
    for (std::size_t i = 0; i < before.order.size(); ++i) {
        was.at(static_cast<std::size_t>(before.order[i])) = i;
    }
    for (std::size_t i = 0; i < now.order.size(); ++i) {
        is.at(static_cast<std::size_t>(now.order[i])) = i;
    }
    QRegion area;
    for (std::size_t c = 1; c <= kCardCount; ++c) {
        for (std::size_t d = c + 1; d <= kCardCount; ++d) {
            if ((was[c] < was[d]) != (is[c] < is[d])) {
                area += cardArea(now.cards[c]) & cardArea(now.cards[d]);
            }
        }
    }
    return area;
}

}  // namespace

QRect areaOf(const QRectF& box) { return box.toAlignedRect().adjusted(-1, -1, 1, 1); }

QRect cardArea(CardSpot spot) { return areaOf({spot.left, spot.top, geometry::kCardWidth, geometry::kCardHeight}); }

// A pixel in from the whole pixels the card spans, which it covers at any pixel ratio.
QRect insideOf(const QRectF& box)
{
    const int left = static_cast<int>(std::ceil(box.left())) + 1;
    const int top = static_cast<int>(std::ceil(box.top())) + 1;
    const int right = static_cast<int>(std::floor(box.right())) - 1;
    const int bottom = static_cast<int>(std::floor(box.bottom())) - 1;
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

DrawnBackground drawnBackground(const Table& table)
{
    DrawnBackground background{table.dealNumber, table.titlePictureShown, table.decorationDrawn, {}};
    for (int place = 1; place <= kPlaces; ++place) {
        const Shape& mark = table.Shape1.at(static_cast<std::size_t>(place));
        if (mark.Visible) {
            background.marks.at(static_cast<std::size_t>(place)) =
                QRectF(mark.Left, mark.Top, mark.Width, mark.Height).toAlignedRect();
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
        drawn.labels.at(i) = {label.ForeColor, label.Caption, label.Visible ? labels.at(i).extent : QRect()};
    }
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        drawn.cards.at(static_cast<std::size_t>(c)) = {table.card(c).Left, table.card(c).Top};
    }
    return drawn;
}

QRegion changedArea(const DrawnTable& before, const DrawnTable& now, const QRect& whole)
{
    if (before.background != now.background) {
        return whole;
    }
    QRegion area;
    const auto bothIfChanged = [&area](const QRect& was, const QRect& is) {
        if (was != is) {
            area += was;
            area += is;
        }
    };
    bothIfChanged(before.stock, now.stock);
    bothIfChanged(before.reserve, now.reserve);
    for (std::size_t i = 0; i < now.labels.size(); ++i) {
        if (before.labels.at(i) != now.labels.at(i)) {
            area += before.labels.at(i).extent;
            area += now.labels.at(i).extent;
        }
    }
    for (std::size_t c = 1; c <= kCardCount; ++c) {
        if (before.cards.at(c) != now.cards.at(c)) {
            area += cardArea(before.cards.at(c));
            area += cardArea(now.cards.at(c));
        }
    }
    if (before.order != now.order) {
        area += restackedArea(before, now);
    }
    return area & whole;
}

}  // namespace morvane
