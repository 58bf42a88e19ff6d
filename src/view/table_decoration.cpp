// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table decoration, drawn once per deal like ink on the table: boxes include both corners.
#include "view/table_decoration.h"

#include "game/geometry.h"
#include "view/table_layers.h"

namespace morvane {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kSilver{192, 192, 192};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kWhite{255, 255, 255};

Ink line(Point from, Point to, Rgb colour) { return {Ink::Kind::Line, from, to, colour}; }

Ink filledBox(Point from, Point to) { return {Ink::Kind::Box, from, to, kDarkGreen}; }

Point pixel(float x, float y) { return {static_cast<int>(x), static_cast<int>(y)}; }

}  // namespace

Decoration decoration(int bottom)
{
    const Point stock = pixel(geometry::kStockLeft, geometry::kStockTopEdge);
    const Point stockEnd = pixel(geometry::kStockRight, geometry::kStockBottom);
    const Point frame{stock.x - 1, stock.y - 1};
    const Point frameEnd{stockEnd.x + 1, stockEnd.y + 1};
    return {{filledBox({85, 115}, {370, bottom}),
             line({84, 116}, {84, bottom}, kBlack),
             line({84, 116}, {370, 116}, kBlack),
             line({370, 116}, {370, bottom}, kSilver),
             filledBox(stock, stockEnd),
             line(frame, {frameEnd.x, frame.y}, kBlack),
             line(frame, {frame.x, frameEnd.y}, kBlack),
             line({frame.x, frameEnd.y}, frameEnd, kShadow),
             line({frameEnd.x, frame.y}, frameEnd, kShadow)},
            // The empty-stock ring: white, three pixels wide, filled like every closed figure on the table.
            {{531.0, 60.0}, 20.0, 3.0, kWhite, kDarkGreen}};
}

}  // namespace morvane
