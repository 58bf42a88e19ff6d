// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of the table: the dark column area, the stock place with its frame and ring.
#pragma once

class QPainter;

namespace morvane {

// Draws the table's decoration over the plain green, down to the bottom edge `bottom`.
void drawDecoration(QPainter& painter, int bottom);

}  // namespace morvane
