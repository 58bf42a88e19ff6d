// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Moves and deals written as plain words.
#include "move_text.h"

#include <bitset>
#include <charconv>

namespace morvane::solver {
namespace {

std::string spotText(Spot s)
{
    if (s == kWaste) {
        return "w";
    }
    std::string text(1, isFoundation(s) ? 'f' : 'c');
    text += std::to_string(isFoundation(s) ? s : s - 4);
    return text;
}

}  // namespace

std::string moveText(const Move& move)
{
    switch (move.kind) {
    case Move::Kind::Stock:
        return "stock";
    case Move::Kind::Recycle:
        return "recycle";
    case Move::Kind::Reserve:
        return "reserve";
    case Move::Kind::Card:
        break;
    }
    std::string text = std::to_string(move.card);
    text += ':';
    text += spotText(move.from);
    text += '-';
    text += spotText(move.to);
    return text;
}

std::string movesText(std::span<const Move> moves)
{
    std::string text;
    for (const Move& m : moves) {
        if (!text.empty()) {
            text += ' ';
        }
        text += moveText(m);
    }
    return text;
}

std::string dealText(const Deal& deal)
{
    std::string text;
    for (std::size_t p = 1; p < deal.order.size(); ++p) {
        if (p > 1) {
            text += ' ';
        }
        text += std::to_string(deal.order[p]);
    }
    return text;
}

std::optional<Deal> dealFromText(std::string_view text)
{
    std::array<CardIndex, 41> order{};
    std::bitset<kCardCount + 1> dealt;
    std::size_t position = 0;
    for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;
         at = text.find_first_not_of(' ', at)) {
        int card = 0;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), card);
        const std::size_t next = static_cast<std::size_t>(end - text.data());
        if (error != std::errc{} || (next < text.size() && text[next] != ' ') || !isCard(card) || dealt[static_cast<std::size_t>(card)] ||
            ++position >= order.size()) {
            return std::nullopt;
        }
        dealt[static_cast<std::size_t>(card)] = true;
        order[position] = static_cast<CardIndex>(card);
        at = next;
    }
    if (position != kCardCount) {
        return std::nullopt;
    }
    return Deal::fromOrder(order);
}

}  // namespace morvane::solver
