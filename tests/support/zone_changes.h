// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Two moments of a game one event apart: every card that changed zone got there by a move the
// rules allow, and the table stayed whole.
#pragma once

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/table_invariants.h"

namespace morvane::testing {

namespace zone_changes {

// A turn of the stock: the stock's next cards in deal order, three or what is left, into the waste.
inline bool isStockTurn(const TableMoment& before, const TableMoment& after, const std::vector<CardIndex>& moved)
{
    const std::size_t turned = std::min<std::size_t>(geometry::kCardsPerTurn, before.stock.size());
    std::vector<CardIndex> next(before.stock.begin(), before.stock.begin() + static_cast<std::ptrdiff_t>(turned));
    std::ranges::sort(next);
    return moved == next && std::ranges::all_of(moved, [&](CardIndex c) {
               return before.spotOf(c).zone == Zone::Stock && after.spotOf(c).zone == Zone::Waste;
           });
}

// The waste turned back: all its cards into the stock.
inline bool isRecycle(const TableMoment& before, const TableMoment& after, const std::vector<CardIndex>& moved)
{
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        const bool wasInWaste = before.spotOf(c).zone == Zone::Waste;
        if (wasInWaste != std::ranges::binary_search(moved, c) || (wasInWaste && after.spotOf(c).zone != Zone::Stock)) {
            return false;
        }
    }
    return true;
}

// The reserve's next card onto the leftmost empty column place.
inline bool isReserveTurn(const TableMoment& before, const TableMoment& after, CardIndex c)
{
    const Spot to = after.spotOf(c);
    if (before.spotOf(c).zone != Zone::Reserve || c != before.nextReserveCard || to.zone != Zone::Column) {
        return false;
    }
    for (int k = 1; k <= to.pile; ++k) {
        if ((before.columnLast[static_cast<std::size_t>(k)] == 0) != (k == to.pile)) {
            return false;
        }
    }
    return true;
}

// A card the player could take, carried onto a foundation or a column that takes it.
inline bool isPlayedMove(const TableMoment& before, const TableMoment& after, CardIndex c)
{
    const Spot from = before.spotOf(c);
    const Spot to = after.spotOf(c);
    if (!before.enabled[static_cast<std::size_t>(c)] || !before.isTopOfItsPile(c) ||
        (from.zone == Zone::Foundation && hasBaseValue(c, before.baseValue))) {
        return false;
    }
    const auto pile = static_cast<std::size_t>(to.pile);
    return (to.zone == Zone::Foundation && foundationTakes(before.foundationTop[pile], c, before.baseValue)) ||
           (to.zone == Zone::Column && columnTakes(before.columnLast[pile], c, before.baseValue));
}

}  // namespace zone_changes

// Why the cards that changed zone between two moments of one deal could not have done so in one
// event, or "" when they could (or when a new deal lies between them).
inline std::string zoneChangeFault(const TableMoment& before, const TableMoment& after)
{
    using namespace zone_changes;
    if (before.deal != after.deal) {
        return "";
    }
    std::vector<CardIndex> moved;
    for (CardIndex c = 1; c <= kCardCount; ++c) {
        if (!samePile(before.spotOf(c), after.spotOf(c))) {
            moved.push_back(c);
        }
    }
    if (moved.empty() || isStockTurn(before, after, moved) || isRecycle(before, after, moved) ||
        (moved.size() == 1 && (isReserveTurn(before, after, moved[0]) || isPlayedMove(before, after, moved[0])))) {
        return "";
    }
    std::ostringstream text;
    text << moved.size() << " cards changed zone in one event, which no move allows:";
    for (const CardIndex c : moved) {
        text << " card " << c << " from " << nameOf(before.spotOf(c).zone) << ' ' << before.spotOf(c).pile << " to "
             << nameOf(after.spotOf(c).zone) << ' ' << after.spotOf(c).pile << ';';
    }
    return text.str();
}

// Follows a game event by event: after each, the table must be whole (the strict audit) and must
// have come from the moment before by a move the rules allow.
class TableWatch {
public:
    std::string fault(const Game& game, CardIndex inHand)
    {
        TableAudit audit(game.table, inHand, {game.hand.HomeLeft, game.hand.HomeTop});
        std::string fault = audit.fault();
        if (fault.empty() && last_) {
            fault = zoneChangeFault(*last_, audit.moment());
        }
        last_ = audit.moment();
        return fault;
    }

    // The moment after the last event.
    const TableMoment& moment() const { return *last_; }

private:
    std::optional<TableMoment> last_;
};

}  // namespace morvane::testing
