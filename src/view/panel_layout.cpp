// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The panels' places on the table and the fitting of their text.
#include "view/panel_layout.h"

#include "game/geometry.h"

namespace morvane {
namespace {

constexpr int kLargestPanelFont = 13;
constexpr int kSmallestPanelFont = 9;

}  // namespace

const std::array<PanelLayout, 3>& panelLayouts()
{
    static const std::array<PanelLayout, 3> layouts{{{"Text2", "rules_en", 0.0, 0.6, 0.0F, 3015.0F, false},
                                                     {"Text3", "rules_it", 0.0, 0.6, 0.0F, 3015.0F, false},
                                                     {"Text4", "about", 0.3, 0.0, 2772.0F, 1092.0F, true}}};
    return layouts;
}

Rect tableBox(const PanelLayout& layout)
{
    const double height = geometry::kTableHeight;
    const double width =
        layout.widthTwips > 0 ? geometry::fromTwips(layout.widthTwips) : layout.widthPerHeight * height;
    return {static_cast<int>(layout.leftPerHeight * height), 0, static_cast<int>(width),
            static_cast<int>(geometry::fromTwips(layout.heightTwips))};
}

// Where no size shows every line whole, the smallest tried.
int panelFontPixels(double zoom, int room, const std::function<int(int pixelSize)>& widestLine)
{
    const int smallest = static_cast<int>(kSmallestPanelFont * zoom);
    int pixels = static_cast<int>(kLargestPanelFont * zoom);
    for (; pixels > smallest + 1; --pixels) {
        if (widestLine(pixels) <= room) {
            return pixels;
        }
    }
    return pixels;
}

}  // namespace morvane
