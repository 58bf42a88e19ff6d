// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The corner probe: which target a released card touches, tried corner by corner; and the overlap.
#pragma once

#include <cstdint>
#include <span>

#include "game/table.h"

namespace morvane {

enum class Containment { Inclusive, Strict };

struct ProbeTarget {
    std::int16_t id = 0;  // the card index or place number that the probe returns
    float Left = 0.0F;
    float Top = 0.0F;
};

// The first target, in corner order first and target order second, that contains a corner of the
// 64 x 100 card released at (areaW, areaH); 0 when none does.
std::int16_t probeCorners(float areaW, float areaH, std::span<const ProbeTarget> targets, Containment mode);

// The first target, in target order, whose 64 x 100 rectangle shares some area with the card
// released at (areaW, areaH). Where no corner of the card lies strictly inside a target, that
// means the card lies exactly in line with it on one axis.
std::int16_t firstOverlapping(float areaW, float areaH, std::span<const ProbeTarget> targets);

// The first free place of inizio..inizio+3 touched by a card released at (AreaW, AreaH), or 0.
std::int16_t CollSh(const Table& table, float AreaW, float AreaH, std::int16_t inizio);

}  // namespace morvane
