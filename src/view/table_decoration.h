// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of the table: the dark column area, the stock place with its frame and ring, as ink in table pixels.
#pragma once

#include <vector>

#include "game/table.h"
#include "view/pixels.h"

namespace morvane {

// A filled box or a one-pixel line, from one pixel to another, both included, drawn without smoothing.
struct Ink {
    enum class Kind { Box, Line };
    Kind kind = Kind::Line;
    Point from;
    Point to;
    Rgb colour;
};

// A circle drawn smooth: its outline `width` pixels wide, centred on the circle, its inside filled.
struct Ring {
    PointF centre;
    double radius = 0.0;
    double width = 0.0;
    Rgb outline;
    Rgb inside;
};

struct Decoration {
    std::vector<Ink> inks;  // in the order they are drawn
    Ring ring;              // drawn last
};

// The table's decoration over the plain green, down to the bottom edge `bottom`.
Decoration decoration(int bottom);

}  // namespace morvane
