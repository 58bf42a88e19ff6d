// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a whole table looks like between two pointer events, and the gestures tests play it with.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <numeric>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "interaction/card_drag.h"
#include "interaction/pointer_router.h"
#include "support/rules_oracle.h"

namespace morvane::testing {

struct Point {
    float x = 0.0F;
    float y = 0.0F;
};

// ---- Tables laid out by hand -------------------------------------------------------------------

// Lays these cards on foundation k, bottom to top; only the top one can be taken.
inline void stackFoundation(Table& table, int k, std::initializer_list<CardIndex> cards)
{
    for (const CardIndex c : cards) {
        table.move(c, geometry::placeLeft(k), geometry::kFoundationTop);
        table.card(c).Enabled = false;
        table.bringToFront(c);
        table.setPlaceCard(k, c);
    }
    table.card(*(cards.end() - 1)).Enabled = true;
}

// Lines these cards up in column k from its first row; only the last one can be taken.
inline void lineUpColumn(Table& table, int k, std::initializer_list<CardIndex> cards)
{
    int row = 1;
    for (const CardIndex c : cards) {
        table.move(c, geometry::placeLeft(k), geometry::columnRowTop(row++));
        table.card(c).Enabled = false;
        table.bringToFront(c);
    }
    table.card(*(cards.end() - 1)).Enabled = true;
    table.setPlaceCard(k + 4, static_cast<std::int16_t>(k + 4));
}

// ---- The card handlers, as a player's hand drives them ----------------------------------------

// Picks the card up with the left button at (grab) inside it and lets it go lying at (left, top).
inline void carry(Game& game, CardIndex card, float left, float top, Point grab = {20.0F, 20.0F})
{
    const CardPicture& c = game.table.card(card);
    Carta_MouseMove(game, card, grab.x, grab.y);
    Carta_MouseDown(game, card, kLeftButton, grab.x, grab.y);
    Carta_MouseMove(game, card, grab.x + left - c.Left, grab.y + top - c.Top);
    Carta_MouseUp(game, card);
}

// ---- What the player sees: the topmost control under a point -----------------------------------

inline bool inTable(float x, float y)
{
    return x >= 0.0F && y >= 0.0F && x < static_cast<float>(geometry::kTableWidth) &&
           y < static_cast<float>(geometry::kTableHeight);
}

// A point of the table where a press reaches this card, if there is one. The card's rectangle is
// cut along the edges of every card that overlaps it; one point per piece is enough.
inline std::optional<Point> reachablePointOf(const Table& table, CardIndex card)
{
    const CardPicture& c = table.card(card);
    const float right = c.Left + geometry::kCardWidth;
    const float bottom = c.Top + geometry::kCardHeight;
    std::vector<float> xs{c.Left, right, static_cast<float>(geometry::kTableWidth)};
    std::vector<float> ys{c.Top, bottom, static_cast<float>(geometry::kTableHeight)};
    for (const CardIndex other : table.drawingOrder) {
        const CardPicture& o = table.card(other);
        xs.insert(xs.end(), {o.Left, o.Left + geometry::kCardWidth});
        ys.insert(ys.end(), {o.Top, o.Top + geometry::kCardHeight});
    }
    const auto cuts = [](std::vector<float>& v, float from, float to) {
        std::erase_if(v, [&](float e) { return e < from || e > to; });
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
    };
    cuts(xs, c.Left, right);
    cuts(ys, c.Top, bottom);
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const Point p{(xs[i] + xs[i + 1]) / 2.0F, (ys[j] + ys[j + 1]) / 2.0F};
            if (inTable(p.x, p.y) && targetAt(table, p.x, p.y) == Target{Control::Card, card}) {
                return p;
            }
        }
    }
    return std::nullopt;
}

// ---- Gestures through the pointer router ------------------------------------------------------

// Either router: the pointer router itself, or the one that audits the table after every event.
template <typename Router>
void clickAt(Router& router, Point p, std::int16_t button = kLeftButton)
{
    router.move(p.x, p.y);
    router.press(button, p.x, p.y);
    router.release(button, p.x, p.y);
}

inline constexpr Point kStockPoint{530.0F, 60.0F};
inline constexpr Point kReservePoint{40.0F, 60.0F};
inline constexpr Point kBareTable{560.0F, 300.0F};

// Presses the card where the player can see it, carries it in a few moves and lets it go so that
// it lies at (left, top). False when no point of the card can be pressed.
template <typename Router>
bool dragTo(Router& router, const Table& table, CardIndex card, float left, float top)
{
    const std::optional<Point> at = reachablePointOf(table, card);
    if (!at) {
        return false;
    }
    const CardPicture& c = table.card(card);
    const Point grab{at->x - c.Left, at->y - c.Top};
    router.move(at->x, at->y);
    router.press(kLeftButton, at->x, at->y);
    router.move((at->x + left + grab.x) / 2.0F, (at->y + top + grab.y) / 2.0F);
    router.move(left + grab.x, top + grab.y);
    router.release(kLeftButton, left + grab.x, top + grab.y);
    return true;
}

// ---- The whole table ---------------------------------------------------------------------------

// What one moment of a game looks like to a player: where each card rests, the top of every pile
// and what the stock and the reserve give next. Two moments, one event apart, tell which cards
// changed zone and whether the rules allowed it.
struct TableMoment {
    std::uint32_t deal = 0;
    std::int16_t baseValue = 0;
    std::array<Spot, kCardCount + 1> spot{};
    std::array<bool, kCardCount + 1> enabled{};
    std::array<CardIndex, 5> foundationTop{};  // 0 while empty
    std::array<CardIndex, 5> columnLast{};     // 0 while empty
    CardIndex wasteTop = 0;
    std::vector<CardIndex> stock;  // in deal order: the order in which it is turned
    CardIndex nextReserveCard = 0;

    Spot spotOf(CardIndex c) const { return spot[static_cast<std::size_t>(c)]; }

    // Where the next card of column k goes: its place, or the row under its last card.
    float nextRowTop(int k) const
    {
        const CardIndex last = columnLast[static_cast<std::size_t>(k)];
        return geometry::columnRowTop(last == 0 ? 1 : spotOf(last).row + 1);
    }

    bool isTopOfItsPile(CardIndex c) const
    {
        const Spot s = spotOf(c);
        return (s.zone == Zone::Foundation && foundationTop[static_cast<std::size_t>(s.pile)] == c) ||
               (s.zone == Zone::Column && columnLast[static_cast<std::size_t>(s.pile)] == c) ||
               (s.zone == Zone::Waste && wasteTop == c);
    }
};

// Checks, after any event, that the table is whole: the 40 cards each in exactly one zone and once
// in the drawing order, the piles agreeing with their counters, foundations and columns built by
// the rules, and only the top card of a pile enabled. `inHand` is the card a live drag carries: it
// counts as lying at `home`, where it was picked up. fault() returns the first fault found, or "".
class TableAudit {
public:
    TableAudit(const Table& table, CardIndex inHand, Point home) : table_(table), inHand_(inHand), home_(home) {}

    std::string fault()
    {
        checkDrawingOrder();
        sortIntoZones();
        checkStock();
        checkReserve();
        for (int k = 1; k <= 4; ++k) {
            checkFoundation(k);
            checkColumn(k);
        }
        checkWaste();
        checkEnabled();
        return fault_.str();
    }

    // The moment the audit read; call after fault().
    const TableMoment& moment() const { return moment_; }

private:
    Point restingPlace(CardIndex c) const
    {
        if (c == inHand_) {
            return home_;
        }
        return {table_.card(c).Left, table_.card(c).Top};
    }

    template <typename... Parts>
    void fail(const Parts&... parts)
    {
        if (fault_.tellp() == 0) {
            (fault_ << ... << parts);
        }
    }

    void checkDrawingOrder()
    {
        std::vector<CardIndex> order = table_.drawingOrder;
        std::sort(order.begin(), order.end());
        std::vector<CardIndex> all(kCardCount);
        std::iota(all.begin(), all.end(), CardIndex{1});
        if (order != all) {
            fail("the drawing order holds ", table_.drawingOrder.size(), " entries, not the 40 cards once each");
        }
    }

    void sortIntoZones()
    {
        moment_.deal = table_.dealNumber;
        moment_.baseValue = table_.BaseValue;
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            moment_.enabled[static_cast<std::size_t>(c)] = table_.card(c).Enabled;
            const Point p = restingPlace(c);
            const Spot spot = spotAt(p.x, p.y);
            moment_.spot[static_cast<std::size_t>(c)] = spot;
            switch (spot.zone) {
            case Zone::Foundation:
                foundation_[spot.pile].push_back(c);
                break;
            case Zone::Column:
                column_[spot.pile].push_back({c, spot.row});
                break;
            case Zone::Reserve:
                reserve_.insert(c);
                break;
            case Zone::Stock:
                stock_.insert(c);
                break;
            case Zone::Waste:
                waste_.push_back(c);
                break;
            case Zone::Nowhere:
                fail("card ", c, " lies in no zone, at (", p.x, ", ", p.y, ")");
            }
        }
    }

    void checkStock()
    {
        const std::set<CardIndex> listed(table_.StockCards.begin(), table_.StockCards.end());
        if (listed.size() != table_.StockCards.size()) {
            fail("StockCards lists a card twice");
        }
        if (listed != stock_) {
            fail("StockCards holds ", table_.StockCards.size(), " cards, the stock ", stock_.size());
        }
        if (table_.Mazzo.Visible == stock_.empty()) {
            fail("the stock image is ", table_.Mazzo.Visible ? "shown" : "hidden", " with ", stock_.size(),
                 " cards in the stock");
        }
        for (int p = kFirstStockPosition; p <= kDealPositions; ++p) {
            if (stock_.contains(table_.dealtAt(p))) {
                moment_.stock.push_back(table_.dealtAt(p));
            }
        }
    }

    void checkReserve()
    {
        std::set<CardIndex> expected;
        for (int p = table_.ReserveNext; p < kReserveEnd; ++p) {
            expected.insert(table_.dealtAt(p));
        }
        if (reserve_ != expected) {
            fail(reserve_.size(), " cards in the reserve, but ReserveNext is ", table_.ReserveNext);
        }
        const bool left = table_.ReserveNext < kReserveEnd;
        if (table_.Mazzo2.Visible != left || table_.Label6.Visible != left ||
            table_.Label6.Caption != std::to_string(kReserveEnd - table_.ReserveNext)) {
            fail("the reserve image or counter does not show ReserveNext ", table_.ReserveNext);
        }
        moment_.nextReserveCard = left ? table_.dealtAt(table_.ReserveNext) : 0;
    }

    // A run of one suit upward from a card of the base value, PlaceCard(k) on top.
    void checkFoundation(int k)
    {
        const std::vector<CardIndex>& cards = foundation_[k];
        const std::int16_t top = table_.placeCard(k);
        if (top == 0) {
            if (!cards.empty()) {
                fail("foundation ", k, " is empty by PlaceCard but holds ", cards.size(), " cards");
            }
            return;
        }
        moment_.foundationTop[static_cast<std::size_t>(k)] = top;
        std::set<CardIndex> run;
        for (CardIndex c = top; run.insert(c).second; c = predecessorOf(c)) {
            if (hasBaseValue(c, table_.BaseValue)) {
                break;
            }
        }
        if (run != std::set<CardIndex>(cards.begin(), cards.end())) {
            fail("foundation ", k, " is not a run of one suit from the base value up to PlaceCard ", top);
        }
        if (topmostOf(cards) != top && top != inHand_) {
            fail("PlaceCard(", k, ") = ", top, " is not drawn on top of foundation ", k);
        }
    }

    // Rows 1..n, each a card of the other group one value lower, never under a base-value card.
    void checkColumn(int k)
    {
        std::vector<std::pair<int, CardIndex>> rows;
        for (const auto& [card, row] : column_[k]) {
            rows.emplace_back(row, card);
        }
        std::sort(rows.begin(), rows.end());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].first != static_cast<int>(i) + 1) {
                fail("column ", k, " has a gap or two cards in row ", rows[i].first);
                return;
            }
            if (i > 0) {
                checkLinedUp(k, rows[i - 1].second, rows[i].second);
            }
        }
        const std::int16_t expected = rows.empty() ? 0 : static_cast<std::int16_t>(k + 4);
        if (table_.placeCard(k + 4) != expected) {
            fail("PlaceCard(", k + 4, ") = ", table_.placeCard(k + 4), " with ", rows.size(), " cards in column ", k);
        }
        if (!rows.empty()) {
            moment_.columnLast[static_cast<std::size_t>(k)] = rows.back().second;
        }
    }

    void checkLinedUp(int k, CardIndex above, CardIndex below)
    {
        if (!columnTakes(above, below, table_.BaseValue)) {
            fail("in column ", k, " card ", below, " lies under card ", above,
                 hasBaseValue(above, table_.BaseValue) ? ", a card of the base value" : ", which does not take it");
        }
    }

    // The fan fills from slot 1; at 400 and 420 lies at most one card. Only stock cards get there.
    void checkWaste()
    {
        std::vector<CardIndex> at400;
        std::vector<CardIndex> at420;
        for (const CardIndex c : waste_) {
            const int slot = moment_.spotOf(c).row;
            (slot == 2 ? at400 : slot == 3 ? at420 : pile_).push_back(c);
            if (!dealtToStock(c)) {
                fail("card ", c, " lies in the waste but was not dealt to the stock");
            }
        }
        if (at400.size() > 1 || at420.size() > 1 || (!at420.empty() && at400.empty()) ||
            (!at400.empty() && pile_.empty())) {
            fail("the waste fan is broken: ", pile_.size(), " at 380, ", at400.size(), " at 400, ", at420.size(),
                 " at 420");
        }
        moment_.wasteTop = !at420.empty() ? at420.front() : !at400.empty() ? at400.front() : topmostOf(pile_);
    }

    bool dealtToStock(CardIndex c) const
    {
        for (int p = kFirstStockPosition; p <= kDealPositions; ++p) {
            if (table_.dealtAt(p) == c) {
                return true;
            }
        }
        return false;
    }

    // Only the top of a pile is enabled: the last card of a column, the top of a foundation, the top
    // of the waste (a card turned from the reserve is a column's last card). One exception the rules
    // make on purpose: a card of the base value opening a foundation enables the disabled cards of
    // the next value at the x it came from without looking at the row, which can enable a card
    // lying exactly under another on the foundation above that column, or deep in the waste pile
    // at 380. Such a card must stay out of reach of every press.
    void checkEnabled()
    {
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            if (c == inHand_ || !table_.card(c).Enabled || moment_.isTopOfItsPile(c)) {
                continue;
            }
            const Spot spot = moment_.spotOf(c);
            const Point p = restingPlace(c);
            const CoverOf cover = coverOf(c);
            if (spot.zone == Zone::Stock || spot.zone == Zone::Reserve) {
                fail("card ", c, " is enabled in the ", nameOf(spot.zone));
            } else if (cover.partly != 0) {
                fail("card ", c, " at (", p.x, ", ", p.y, ") is enabled but partly covered by card ", cover.partly);
            } else if (cover.exactly == 0 || !isUnderAnOpeningsOrigin(c, spot)) {
                fail("card ", c, " at (", p.x, ", ", p.y,
                     ") is enabled but no top of a column, foundation or the waste");
            } else if (const std::optional<Point> at = reachablePointOf(restingTable(), c)) {
                fail("card ", c, ", enabled under card ", cover.exactly, ", can be taken at (", at->x, ", ", at->y,
                     ")");
            }
        }
    }

    // A card of the value after the base value, on a foundation or in the waste pile at 380.
    bool isUnderAnOpeningsOrigin(CardIndex c, Spot spot) const
    {
        const bool nextValue = valueKey(c) == valueKey(table_.BaseValue + 1);
        return nextValue && (spot.zone == Zone::Foundation || (spot.zone == Zone::Waste && spot.row == 1));
    }

    // The cards drawn over c: one lying exactly on it, and one covering part of it (0 for none).
    struct CoverOf {
        CardIndex exactly = 0;
        CardIndex partly = 0;
    };

    CoverOf coverOf(CardIndex c) const
    {
        CoverOf cover;
        const Point p = restingPlace(c);
        const auto from = std::find(table_.drawingOrder.begin(), table_.drawingOrder.end(), c);
        for (auto it = from == table_.drawingOrder.end() ? from : from + 1; it != table_.drawingOrder.end(); ++it) {
            const Point q = restingPlace(*it);
            if (q.x == p.x && q.y == p.y) {
                cover.exactly = *it;
            } else if (q.x < p.x + geometry::kCardWidth && p.x < q.x + geometry::kCardWidth &&
                       q.y < p.y + geometry::kCardHeight && p.y < q.y + geometry::kCardHeight) {
                cover.partly = *it;
            }
        }
        return cover;
    }

    // The table with the card in hand back where it was picked up, as a press after its release finds it.
    const Table& restingTable()
    {
        if (inHand_ == 0) {
            return table_;
        }
        if (!resting_) {
            resting_ = std::make_unique<Table>(table_);
            resting_->move(inHand_, home_.x, home_.y);
        }
        return *resting_;
    }

    CardIndex topmostOf(const std::vector<CardIndex>& cards) const
    {
        for (auto it = table_.drawingOrder.rbegin(); it != table_.drawingOrder.rend(); ++it) {
            if (std::find(cards.begin(), cards.end(), *it) != cards.end()) {
                return *it;
            }
        }
        return 0;
    }

    const Table& table_;
    CardIndex inHand_;
    Point home_;
    std::ostringstream fault_;
    std::vector<CardIndex> foundation_[5];
    std::vector<std::pair<CardIndex, int>> column_[5];
    std::set<CardIndex> reserve_;
    std::set<CardIndex> stock_;
    std::vector<CardIndex> waste_;
    std::vector<CardIndex> pile_;
    TableMoment moment_;
    std::unique_ptr<Table> resting_;
};

inline std::string tableFault(const Table& table) { return TableAudit(table, 0, {}).fault(); }

}  // namespace morvane::testing
