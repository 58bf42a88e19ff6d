// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Stock cards lie out of sight at x 600 behind the stock image; turning one moves it into the fan.
#include "stock.h"

#include "game/sound_cues.h"
#include "game/zones.h"

namespace morvane {
namespace {

// Applies f to each card dealt into the stock, in deal order; the cards of a turn come from here.
template <typename F>
void forEachStockDealt(Table& table, F f)
{
    for (int p = kFirstStockPosition; p <= kDealPositions; ++p) {
        const CardIndex c = table.dealtAt(p);
        if (isCard(c) && !f(c)) {
            return;
        }
    }
}

void squareUpWaste(Table& table)
{
    forEachStockDealt(table, [&](CardIndex c) {
        CardPicture& card = table.card(c);
        if (isInWaste(card)) {
            card.Left = geometry::kWasteLeft;
            card.Enabled = false;
        }
        return true;
    });
}

void turnIntoFan(Table& table)
{
    std::int16_t WasteSlot = 1;
    forEachStockDealt(table, [&](CardIndex c) {
        if (!isInStock(table.card(c))) {
            return true;
        }
        table.bringToFront(c);
        table.move(c, geometry::wasteSlotLeft(WasteSlot), geometry::kStockTop);
        if (!table.StockCards.empty()) {
            table.StockCards.pop_front();
        }
        ++WasteSlot;
        return WasteSlot <= geometry::kCardsPerTurn;
    });
}

}  // namespace

void mazzo_Click(Game& game)
{
    Table& table = game.table;
    cardRustle(game);
    squareUpWaste(table);
    turnIntoFan(table);
    if (table.StockCards.empty()) {
        table.Mazzo.Visible = false;
    }
}

// Cards go back face down: a recycled card is disabled, so that when it is turned again into
// a slot under newer cards it cannot be taken from under them.
void recycleWaste(Table& table)
{
    if (table.Mazzo.Visible) {
        return;  // the stock still holds cards
    }
    forEachStockDealt(table, [&](CardIndex c) {
        CardPicture& card = table.card(c);
        if (isInWaste(card)) {
            card.Left = geometry::kParkedLeft;
            card.Enabled = false;
            table.Mazzo.Visible = true;
            table.StockCards.push_back(c);
        }
        return true;
    });
}

void enableTopWasteCard(Table& table)
{
    const CardIndex top = topWasteCard(table);
    if (top != 0) {
        table.card(top).Enabled = true;
    }
}

}  // namespace morvane
