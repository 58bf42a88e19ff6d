// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's opening size and place, worked out from the screen's free area alone.
#include "view/window_placement.h"

#include <algorithm>

#include "game/geometry.h"

namespace morvane {
namespace {

// Centred along one side, then kept inside it: its far end first, so that its near end wins.
int centred(int start, int room, int length)
{
    const int place = start + (room - length) / 2;
    return std::max(start, std::min(place, start + room - length));
}

}  // namespace

double openingZoom(const Rect& available, int chromeWidth, int chromeHeight)
{
    return std::min({1.0, static_cast<double>(available.width - chromeWidth) / geometry::kTableWidth,
                     static_cast<double>(available.height - chromeHeight) / geometry::kTableHeight});
}

Point centredFrame(const Rect& available, int frameWidth, int frameHeight)
{
    return {centred(available.left, available.width, frameWidth), centred(available.top, available.height, frameHeight)};
}

}  // namespace morvane
