// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the rules and about panels lie on the table, and the size of their text at a zoom.
#pragma once

#include <array>
#include <functional>

#include "view/pixels.h"

namespace morvane {

// Where each panel lies on the table: the rules are 0.6 times the table's height wide, the about text
// starts 0.3 times it from the left; heights in twips.
struct PanelLayout {
    const char* name;
    const char* text;
    double leftPerHeight;
    double widthPerHeight;
    float widthTwips;
    float heightTwips;
    bool centred;
};

// Text2, Text3 and Text4: the English and the Italian rules, and the about text.
const std::array<PanelLayout, 3>& panelLayouts();

// The panel's place in table pixels, as it lies on the table at its own size.
Rect tableBox(const PanelLayout& layout);

// The texts are broken by hand: the panel's font is the largest that shows every line whole, of the
// sizes in pixels the table's zoom makes of the panel's own, 13 down to 9. `widestLine` measures the
// text's widest line at a size, and `room` is the width the panel has for it.
int panelFontPixels(double zoom, int room, const std::function<int(int pixelSize)>& widestLine);

}  // namespace morvane
