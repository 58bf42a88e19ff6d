// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// One reading of what a card let go does, for both rules.
#include "interpret.h"

#include "column.h"
#include "foundation.h"
#include "game/zones.h"
#include "origin.h"

namespace morvane {

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

}  // namespace morvane
