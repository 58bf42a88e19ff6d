// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The corner probe, the overlap and the place test. Every rectangle is taken as 64 x 100; borders
// count for places, never for cards.
#include "probe.h"

#include <array>
#include <vector>

#include "game/zones.h"

namespace morvane {
namespace {

struct Corner {
    float dx;
    float dy;
};

// Top-left, top-right, bottom-right, bottom-left.
constexpr std::array<Corner, 4> kCorners{{{0.0F, 0.0F},
                                          {geometry::kProbeWidth, 0.0F},
                                          {geometry::kProbeWidth, geometry::kProbeHeight},
                                          {0.0F, geometry::kProbeHeight}}};

bool contains(const ProbeTarget& target, float x, float y, Containment mode)
{
    const float right = target.Left + geometry::kProbeWidth;
    const float bottom = target.Top + geometry::kProbeHeight;
    if (mode == Containment::Inclusive) {
        return target.Left <= x && x <= right && target.Top <= y && y <= bottom;
    }
    return target.Left < x && x < right && target.Top < y && y < bottom;
}

}  // namespace

std::int16_t probeCorners(float areaW, float areaH, std::span<const ProbeTarget> targets, Containment mode)
{
    for (const Corner& corner : kCorners) {
        const float x = areaW + corner.dx;
        const float y = areaH + corner.dy;
        for (const ProbeTarget& target : targets) {
            if (contains(target, x, y, mode)) {
                return target.id;
            }
        }
    }
    return 0;
}

std::int16_t firstOverlapping(float areaW, float areaH, std::span<const ProbeTarget> targets)
{
    for (const ProbeTarget& target : targets) {
        if (target.Left < areaW + geometry::kProbeWidth && areaW < target.Left + geometry::kProbeWidth &&
            target.Top < areaH + geometry::kProbeHeight && areaH < target.Top + geometry::kProbeHeight) {
            return target.id;
        }
    }
    return 0;
}

std::int16_t CollSh(const Table& table, float AreaW, float AreaH, std::int16_t inizio)
{
    std::vector<ProbeTarget> freePlaces;
    for (std::int16_t place = inizio; place <= inizio + 3; ++place) {
        if (isPlaceFree(table, place)) {
            const Shape& mark = table.Shape1.at(static_cast<std::size_t>(place));
            freePlaces.push_back({place, mark.Left, mark.Top});
        }
    }
    return probeCorners(AreaW, AreaH, freePlaces, Containment::Inclusive);
}

}  // namespace morvane
