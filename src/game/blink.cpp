// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The blink of the base-value label: Timer1 runs only while it blinks; BlinkPhase says which colour is next.
#include "blink.h"

namespace morvane {

void startBlink(Table& table) { table.Timer1.Enabled = true; }

void stopBlink(Table& table)
{
    if (table.Timer1.Enabled) {
        table.Timer1.Enabled = false;
        table.BlinkPhase = false;
        table.Label1.ForeColor = kLabelGreen;
    }
}

// The label keeps whatever colour the last tick left: the ticks of the title pause may leave it red.
void resetBlink(Table& table)
{
    table.Timer1.Enabled = false;
    table.BlinkPhase = true;
}

void blinkStep(Table& table)
{
    table.Label1.ForeColor = table.BlinkPhase ? kLabelRed : kLabelGreen;
    table.BlinkPhase = !table.BlinkPhase;
}

}  // namespace morvane
