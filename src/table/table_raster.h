// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Rasterising what the view lays out, in device pixels: the decoration, a place mark, a label.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

#include "view/table_layers.h"
#include "view/table_zoom.h"

class QPainter;

namespace morvane {

// The table's decoration, down to the bottom edge `bottom`, on a painter drawing in device pixels.
void drawDecoration(QPainter& painter, const TableZoom& zoom, int bottom);

// A place mark over `box` in device pixels, hatched and outlined wholly inside it.
void drawPlaceMark(QPainter& painter, const Rect& box, const PlaceMark& mark, const TableZoom& zoom);

// A label's look at its place: `extent`, in table pixels, holding its box and text, rendered at the
// size in device pixels that the zoom gives the extent.
QPixmap renderLabel(const RectF& box, const Rect& extent, const QFont& font, int flags, const QString& text,
                     Rgb ground, Rgb colour, const TableZoom& zoom);

}  // namespace morvane
