// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Card arithmetic of the 40-card Neapolitan deck, on the card index 1..40.
#pragma once

#include <cstdint>

namespace morvane {

using CardIndex = std::int16_t;

inline constexpr CardIndex kCardCount = 40;
inline constexpr int kValuesPerSuit = 10;

enum class Suit : std::int16_t { Denari = 0, Coppe = 1, Bastoni = 2, Spade = 3 };

// Denari and Coppe are the short suits, Bastoni and Spade the long ones; columns alternate them.
enum class Group : std::int16_t { Short = 0, Long = 1 };

constexpr bool isCard(int n) { return n >= 1 && n <= kCardCount; }

constexpr Suit suitOf(CardIndex n) { return static_cast<Suit>((n - 1) / kValuesPerSuit); }

// 1 is the ace, 8 the girl, 9 the horse, 10 the king.
constexpr std::int16_t valueOf(CardIndex n) { return static_cast<std::int16_t>((n - 1) % kValuesPerSuit + 1); }

constexpr Group groupOf(CardIndex n) { return static_cast<Group>((n - 1) / 20); }

// Values are compared on index mod 10, where a king gives 0.
constexpr std::int16_t valueKey(int n) { return static_cast<std::int16_t>(n % kValuesPerSuit); }

constexpr bool hasBaseValue(CardIndex n, std::int16_t baseValue) { return valueKey(n) == valueKey(baseValue); }

constexpr CardIndex cardOf(Suit suit, std::int16_t value)
{
    return static_cast<CardIndex>(static_cast<int>(suit) * kValuesPerSuit + value);
}

// After the king of a suit comes its ace.
constexpr CardIndex successorOf(CardIndex n) { return static_cast<CardIndex>(valueKey(n) == 0 ? n - 9 : n + 1); }

// Before the ace of a suit comes its king.
constexpr CardIndex predecessorOf(CardIndex n) { return static_cast<CardIndex>(valueKey(n) == 1 ? n + 9 : n - 1); }

// The four cards, one per suit, whose value follows the value of n (the four aces after a king),
// in suit order: Denari, Coppe, Bastoni, Spade.
constexpr CardIndex nextValueCard(CardIndex n, int suit)
{
    return static_cast<CardIndex>(valueKey(n) + 1 + kValuesPerSuit * suit);
}

}  // namespace morvane
