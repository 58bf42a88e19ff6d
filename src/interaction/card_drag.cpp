// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Picking up, carrying and releasing a card. The card's height at the release chooses the rule:
// the foundation row at Top 110 or above, the columns below it.
#include "card_drag.h"

#include "game/blink.h"
#include "game/lifecycle.h"
#include "game/panels.h"
#include "game/sound_cues.h"
#include "game/zones.h"
#include "rules/column.h"
#include "rules/foundation.h"
#include "rules/origin.h"

namespace morvane {
namespace {

void askRule(Game& game, CardIndex card)
{
    Table& table = game.table;
    if (isBelowFoundationRow(table.card(card))) {
        DecDec(table, game.hand, card);
    } else if (Cresc(table, game.hand, card)) {
        Finale(game);
    }
}

}  // namespace

void Carta_MouseDown(Game& game, CardIndex Index, std::int16_t Button, float X, float Y)
{
    Table& table = game.table;
    hidePanels(table);
    Hand& hand = game.hand;
    if (!hand.DoubleClicked && Button == kLeftButton) {
        hand.Dragging = true;
        noteOrigin(hand, table.card(Index));
        hand.GrabX = X;
        hand.GrabY = Y;
        table.bringToFront(Index);
    }
    stopBlink(table);
}

void Carta_MouseMove(Game& game, CardIndex Index, float X, float Y)
{
    Table& table = game.table;
    Hand& hand = game.hand;
    if (hand.DoubleClicked) {
        return;
    }
    const CardPicture& card = table.card(Index);
    if (hand.Dragging) {
        table.move(Index, card.Left - hand.GrabX + X, card.Top - hand.GrabY + Y);
    } else {
        hand.HomeLeft = card.Left;
        hand.HomeTop = card.Top;
    }
}

void Carta_MouseUp(Game& game, CardIndex Index)
{
    Table& table = game.table;
    cardRustle(game);
    if (!isFixed(table, game.hand, Index) && !game.hand.DoubleClicked) {
        askRule(game, Index);
    } else {
        sendHome(table, game.hand, Index);
    }
    endDrag(game.hand);
}

void Carta_DblClick(Game& game, CardIndex) { game.hand.DoubleClicked = true; }

}  // namespace morvane
