// Picking up, carrying and releasing a card. The card's height at the release chooses the rule:
// the foundation row at Top 110 or above, the columns below it.
#include "card_drag.h"

#include "game/blink.h"
#include "game/lifecycle.h"
#include "game/panels.h"
#include "rules/column.h"
#include "rules/foundation.h"
#include "rules/origin.h"
#include "game/sound_cues.h"

namespace morvane {
namespace {

void askRule(Game& game, CardIndex card)
{
    Table& table = game.table;
    const float DropTop = table.card(card).Top;
    if (DropTop > geometry::kFoundationRowBottom) {
        DecDec(table, card);
    } else if (Cresc(table, card)) {
        Finale(game);
    }
}

}  // namespace

void Carta_MouseDown(Game& game, CardIndex Index, std::int16_t Button, float X, float Y)
{
    Table& table = game.table;
    hidePanels(table);
    if (!table.DoubleClicked && Button == kLeftButton) {
        const CardPicture& card = table.card(Index);
        table.Dragging = true;
        table.FromSlot = (card.Left - geometry::kPlaceOrigin) / geometry::kPlacePitch;
        table.FromRow = (card.Top - geometry::kRowOrigin) / geometry::kRowPitch;
        table.GrabX = X;
        table.GrabY = Y;
        table.bringToFront(Index);
    }
    stopBlink(table);
}

void Carta_MouseMove(Game& game, CardIndex Index, float X, float Y)
{
    Table& table = game.table;
    if (table.DoubleClicked) {
        return;
    }
    const CardPicture& card = table.card(Index);
    if (table.Dragging) {
        table.move(Index, card.Left - table.GrabX + X, card.Top - table.GrabY + Y);
    } else {
        table.HomeLeft = card.Left;
        table.HomeTop = card.Top;
    }
}

void Carta_MouseUp(Game& game, CardIndex Index)
{
    Table& table = game.table;
    cardRustle(game);
    if (!isFixed(table, Index) && !table.DoubleClicked) {
        askRule(game, Index);
    } else {
        sendHome(table, Index);
    }
    endDrag(table);
}

void Carta_DblClick(Game& game, CardIndex) { game.table.DoubleClicked = true; }

}  // namespace morvane
