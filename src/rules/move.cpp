// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// One way of carrying a move out, for both rules.
#include "move.h"

#include "game/zones.h"
#include "origin.h"

namespace morvane {
namespace {

bool opensAFoundation(const Move& move)
{
    return move.kind == Move::Kind::OntoPlace && move.target < kFirstColumnPlace;
}

// A foundation holds its top card's index; a column place its own number while it holds cards.
void takePlace(Table& table, const Move& move)
{
    table.setPlaceCard(move.target, opensAFoundation(move) ? move.card : move.target);
}

// The card it joins can no longer be taken; on a foundation the card is its top now.
void coverCard(Table& table, const Move& move)
{
    CardPicture& joined = table.card(move.target);
    joined.Enabled = false;
    if (isOnFoundationRow(joined)) {
        table.setPlaceCard(foundationOf(joined), move.card);
    }
}

}  // namespace

void execute(Table& table, const Hand& hand, const Move& move)
{
    if (!move.isMade()) {
        sendHome(table, hand, move.card);
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
