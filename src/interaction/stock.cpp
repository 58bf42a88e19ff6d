// Stock cards lie out of sight at x 600 behind the stock image; turning one moves it into the fan.
#include "stock.h"

#include <array>

#include "card_drag.h"
#include "sound/sound_cues.h"

namespace morvane {
namespace {

constexpr std::int16_t kSlotsPerTurn = 3;

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
    table.WasteSlot = 1;
    forEachStockDealt(table, [&](CardIndex c) {
        if (!isInStock(table.card(c))) {
            return true;
        }
        table.bringToFront(c);
        table.move(c, 360.0F + geometry::kWasteFanStep * static_cast<float>(table.WasteSlot), geometry::kStockTop);
        if (!table.StockCards.empty()) {
            table.StockCards.pop_front();
        }
        ++table.WasteSlot;
        return table.WasteSlot <= kSlotsPerTurn;
    });
}

bool isOnStockPlace(float X, float Y)
{
    return X > geometry::kStockLeft && X < 563.0F && Y > geometry::kStockTopEdge && Y < 110.0F;
}

// The card of the waste that lies on top, or 0 when the waste is empty.
CardIndex topWasteCard(const Table& table)
{
    constexpr std::array<float, 3> kSlotsFromTop{geometry::kWasteRight, 400.0F, geometry::kWasteLeft};
    for (const float slot : kSlotsFromTop) {
        for (int p = kDealPositions; p >= kFirstStockPosition; --p) {
            const CardIndex c = table.dealtAt(p);
            if (isCard(c) && table.card(c).Top == geometry::kStockTop && table.card(c).Left == slot) {
                return c;
            }
        }
    }
    return 0;
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
void Form_MouseUp(Game& game, std::int16_t Button, float X, float Y)
{
    Table& table = game.table;
    if (table.Mazzo.Visible || Button != kLeftButton || !isOnStockPlace(X, Y)) {
        return;
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

void Form_MouseMove(Game& game)
{
    const CardIndex top = topWasteCard(game.table);
    if (top != 0) {
        game.table.card(top).Enabled = true;
    }
}

}  // namespace morvane
