// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A placement rule's answer to "where would this card go if let go here?", given before anything moves.
#pragma once

#include <cstdint>

#include "game/table.h"

namespace morvane {

struct Landing {
    enum class Onto : std::uint8_t { Home, Card, Place };
    Onto onto = Onto::Home;   // Home: refused, it goes back where it was picked up
    std::int16_t target = 0;  // the card it joins, or the place number it takes
    float Left = 0.0F;        // where it comes to rest, unless it goes home
    float Top = 0.0F;
    bool blinks = false;  // it touched a column card of the base value, under which nothing may go

    bool isRefused() const { return onto == Onto::Home; }
};

// Joins this card, coming to rest at (left, top).
inline Landing onCard(CardIndex card, float left, float top) { return {Landing::Onto::Card, card, left, top}; }

// Takes this free place, coming to rest on its mark.
inline Landing onPlace(const Table& table, std::int16_t place)
{
    const Shape& mark = table.Shape1.at(static_cast<std::size_t>(place));
    return {Landing::Onto::Place, place, mark.Left, mark.Top};
}

}  // namespace morvane
