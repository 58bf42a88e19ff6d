// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Picking up, carrying and releasing a card. At the release the rules read what letting go of the
// card does, and the rule its height chose carries that out.
#include "card_drag.h"

#include "game/blink.h"
#include "game/lifecycle.h"
#include "game/panels.h"
#include "game/sound_cues.h"
#include "rules/column.h"
#include "rules/foundation.h"
#include "rules/interpret.h"
#include "rules/origin.h"

namespace morvane {
namespace {

// The move is read once, where the card lies; the rule that answered carries it out, and the
// foundations' rule ends with the completion check that may win the game.
void letGo(Game& game, CardIndex card)
{
    Table& table = game.table;
    const CardPicture& here = table.card(card);
    const Move move = interpret(table, game.hand, card, here.Left, here.Top);
    switch (move.rule) {
    case Move::Rule::Foundations:
        Cresc(table, game.hand, move);
        if (allFoundationsComplete(table)) {
            Finale(game);
        }
        break;
    case Move::Rule::Columns:
        DecDec(table, game.hand, move);
        break;
    case Move::Rule::None:
        execute(table, game.hand, move);  // the first card of a foundation goes back
        break;
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
    if (game.hand.DoubleClicked) {
        sendHome(table, game.hand, Index);
    } else {
        letGo(game, Index);
    }
    endDrag(game.hand);
}

void Carta_DblClick(Game& game, CardIndex) { game.hand.DoubleClicked = true; }

}  // namespace morvane
