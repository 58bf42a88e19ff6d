// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What lies where on the table, in table pixels, and how each thing looks, in the order it is drawn:
// the background (the title picture, or the green table with its decoration), the place marks, the
// stock and reserve backs, the three labels, then the 40 cards back to front.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/table.h"
#include "view/pixels.h"

namespace morvane {

inline constexpr Rgb kTableGreen{0, 128, 0};
inline constexpr Rgb kDarkGreen{0, 64, 0};
inline constexpr Rgb kLabelBorder{0, 0, 0};
// A card's 62 x 100 face lies on white inside a flat one-pixel border of this grey.
inline constexpr Rgb kCardBorder{40, 40, 40};
inline constexpr Rgb kCardGround{255, 255, 255};

// A font asked for by family: Liberation's faces, or where a system lacks them, the metric twin they
// were made to stand in for.
struct FontAsked {
    const char* family;
    const char* twin;
    bool bold = false;
    bool italic = false;
    int pixelSize = 0;  // at the table's own size
};

// The table's serif, bold italic, for the labels; the plain sans of the menus and panels.
FontAsked tableFont(int pixelSize);
FontAsked windowFont(int pixelSize);
inline constexpr int kWindowFontPixels = 12;

// A label's look, fixed at load. Its text is centred across at the top of its box, and the win
// prompt's is wrapped onto as many lines as it needs.
struct LabelLook {
    Label Table::*label;
    double width;
    double height;
    Rgb ground;
    FontAsked font;
    bool wrapped;
};

// The three labels in the view's order: the base value, the reserve counter, the win prompt.
const std::array<LabelLook, 3>& labelLooks();
RectF labelBox(const LabelLook& look, const Label& label);
// The pixels a label's drawing may touch: its box and the text as measured in it, with a quarter of the
// font's size to spare all round, since italic letters may lean out of what the metrics measure.
Rect labelExtent(const RectF& box, const RectF& measuredText, int pixelSize);

// A place mark: yellow for a foundation, black for a column, hatched so that the table shows between the
// lines, and outlined just inside its box.
struct PlaceMark {
    Rect box;
    Rgb colour;
};
struct DrawnBackground;
std::vector<PlaceMark> placeMarks(const DrawnBackground& background);

// The card backs of the stock and the reserve, where shown.
std::vector<RectF> shownBacks(const Table& table);
RectF backBox(const Image& pile);
RectF cardBox(const CardPicture& card);

}  // namespace morvane
