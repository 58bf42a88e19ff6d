// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table window's own events: they close the panels, recycle the waste, free the top waste card
// and step the blink of the base-value label.
#include "table_events.h"

#include "card_drag.h"
#include "game/blink.h"
#include "game/panels.h"
#include "stock.h"

namespace morvane {
namespace {

// Strictly inside the place of the stock image, where the ring shows once the stock is empty.
bool isOnStockPlace(float X, float Y)
{
    return X > geometry::kStockLeft && X < geometry::kStockRight && Y > geometry::kStockTopEdge &&
           Y < geometry::kStockBottom;
}

}  // namespace

void Form_MouseDown(Game& game) { hidePanels(game.table); }

void Form_MouseUp(Game& game, std::int16_t Button, float X, float Y)
{
    if (Button == kLeftButton && isOnStockPlace(X, Y)) {
        recycleWaste(game.table);
    }
}

void Form_MouseMove(Game& game) { enableTopWasteCard(game.table); }

void Timer1_Timer(Game& game) { blinkStep(game.table); }

}  // namespace morvane
