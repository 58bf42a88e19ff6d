// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The plain text of a solution, for people and other programs to replay.
//
// A move is one word:
//   stock     a click on the stock: three cards, or what is left, turn into the waste
//   recycle   a click on the empty stock place: the waste turns back into the stock
//   reserve   a click on the reserve: its next card turns into the leftmost free column place
//   C:F-T     card C (index 1..40: 1-10 Denari, 11-20 Coppe, 21-30 Bastoni, 31-40 Spade, ace to
//             king) taken from F and put on T, where a place is w (the waste's top card),
//             f1..f4 (the foundations, left to right) or c1..c4 (the columns, left to right);
//             onto a column the card goes under its last card, or on its place when it is empty.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "position.h"

namespace morvane::solver {

std::string moveText(const Move& move);
std::string movesText(std::span<const Move> moves);

// The 40 cards in deal-position order, separated by blanks.
std::string dealText(const Deal& deal);

// The deal that dealText wrote: the 40 card indexes, each once, separated by blanks; nothing when
// the text is not that.
std::optional<Deal> dealFromText(std::string_view text);

}  // namespace morvane::solver
