// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A deal's cards as the solver reads them, and the position they are dealt into.
#include "compact_deal.h"

namespace morvane::solver {

Deal Deal::fromOrder(const std::array<CardIndex, 41>& order)
{
    Deal deal;
    deal.order = order;
    const std::int16_t key = valueKey(order[5]);
    deal.baseValue = key == 0 ? std::int16_t{10} : key;
    return deal;
}

Position initialPosition(const Deal& deal)
{
    Position p;
    for (int k = 1; k <= 4; ++k) {
        Column& c = p.columns[static_cast<std::size_t>(k - 1)];
        c.cards[0] = static_cast<std::int8_t>(deal.order[static_cast<std::size_t>(k)]);
        c.count = 1;
    }
    p.foundationTop[0] = static_cast<std::int8_t>(deal.order[5]);
    p.stockLeft = (1U << kStockCards) - 1U;
    return p;
}

}  // namespace morvane::solver
