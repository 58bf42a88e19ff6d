// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// One reading of what a card let go does, and one way of carrying it out, for both rules.
#include "move.h"

#include "column.h"
#include "foundation.h"
#include "game/zones.h"
#include "origin.h"

namespace morvane {
namespace {

bool opensAFoundation(const Move& move) { return move.kind == Move::Kind::OntoPlace && move.target < kFirstColumnPlace; }

// A foundation holds its top card's index; a column place its own number while it holds cards.
void takePlace(Table& table, const Move& move)
{
    table.setPlaceCard(move.target, opensAFoundation(move) ? move.card : move.target);
}

void coverCard(Table& table, const Move& move)
{
    CardPicture& joined = table.card(move.target);
    joined.Enabled = false;
    if (isOnFoundationRow(joined)) {
        table.setPlaceCard(foundationOf(joined), move.card);
    }
}

}  // namespace

Move interpret(const Table& table, const Hand& hand, CardIndex card, float left, float top)
{
    using enum Move::Rule;
    const Move::Rule rule = isFixed(table, hand, card) ? None : isBelowFoundationRow(top) ? Columns : Foundations;
    Move move = rule == Columns       ? whereAColumnTakes(table, card, left, top)
                : rule == Foundations ? whereAFoundationTakes(table, card, left, top)
                                      : refused(card);
    move.rule = rule;
    if (move.kind == Move::Kind::Refused) {
        move.Left = hand.HomeLeft;
        move.Top = hand.HomeTop;
    } else if (move.Left == hand.HomeLeft && move.Top == hand.HomeTop) {
        move.kind = Move::Kind::NoEffect;
    }
    return move;
}

void execute(Table& table, const Hand& hand, const Move& move)
{
    if (!move.isMade()) {
        table.move(move.card, move.Left, move.Top);
        return;
    }
    // A card of the base value opening a foundation uncovers what lay under it wherever it lay: the
    // waste pile at 380 lies on the top row.
    leaveOrigin(table, hand, move.card, opensAFoundation(move));
    table.move(move.card, move.Left, move.Top);
    if (move.kind == Move::Kind::OntoCard) {
        coverCard(table, move);
    } else {
        takePlace(table, move);
    }
}

}  // namespace morvane
