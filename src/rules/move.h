// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A move: what letting go of a card does, as the rules answer it before anything changes, and how it is carried out.
#pragma once

#include <cstdint>

#include "game/hand.h"
#include "game/table.h"

namespace morvane {

struct Move {
    // The rule the card's height asked; none for the first card of a foundation, which stays put.
    enum class Rule : std::uint8_t { None, Foundations, Columns };
    // Refused: the card goes back where it was picked up. NoEffect: the rule takes it, but exactly
    // where it was picked up, so nothing changes (a foundation's top let go over the card under it).
    enum class Kind : std::uint8_t { Refused, NoEffect, OntoCard, OntoPlace };

    Rule rule = Rule::None;
    Kind kind = Kind::Refused;
    CardIndex card = 0;
    std::int16_t target = 0;  // the card it joins, or the place number it takes
    float Left = 0.0F;        // where it comes to rest: the hand's home, unless the move is made
    float Top = 0.0F;
    bool blinks = false;  // it touched a column card of the base value, under which nothing may go

    bool isMade() const { return kind == Kind::OntoCard || kind == Kind::OntoPlace; }
};

// The card joins this card, coming to rest at (left, top).
inline Move ontoCard(CardIndex card, CardIndex joined, float left, float top)
{
    return {.kind = Move::Kind::OntoCard, .card = card, .target = joined, .Left = left, .Top = top};
}

// The card takes this free place, coming to rest on its mark.
inline Move ontoPlace(const Table& table, CardIndex card, std::int16_t place)
{
    const Shape& mark = table.Shape1.at(static_cast<std::size_t>(place));
    return {.kind = Move::Kind::OntoPlace, .card = card, .target = place, .Left = mark.Left, .Top = mark.Top};
}

inline Move refused(CardIndex card) { return {.kind = Move::Kind::Refused, .card = card}; }

// Carries a move out. A move that is made leaves its origin first (the card it covered uncovered,
// the column place it was the first card of freed), then the card comes to rest and covers the card
// it joins or takes its place; any other goes back home.
void execute(Table& table, const Hand& hand, const Move& move);

}  // namespace morvane
