// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one mapping between the view's pixels and the table's: the table zoomed to fit its window.
#pragma once

#include "view/pixels.h"

namespace morvane {

// The table is drawn zoomed by the largest factor at which its 594 x 425 fits the view, at the top
// and centred across; the room left over is table too, so a view taller than the zoomed table shows
// more of the table below. The game only ever sees table pixels: pointer positions are mapped back.
class TableZoom {
public:
    TableZoom() = default;  // the view at the table's own size: nothing moves
    // `ratio`: the screen's device pixels per view pixel.
    TableZoom(int viewWidth, int viewHeight, double ratio = 1.0);

    double factor() const { return factor_; }
    double ratio() const { return ratio_; }
    // Where the table's left edge lies in the view, in whole view pixels.
    double left() const { return left_; }
    // How far down the table reaches, in table pixels: 425, or more where the view is taller.
    double bottom() const { return bottom_; }

    PointF toTable(PointF viewPoint) const;
    RectF toView(const RectF& table) const;
    // Every view pixel that these table pixels cover, in part or whole.
    Rect toView(const Rect& table) const;
    // Every table pixel that these view pixels show, in part or whole.
    Rect toTable(const Rect& view) const;
    // The view pixels the table shows in: all the height, the table's own width.
    Rect tableArea() const { return tableArea_; }
    // The table pixels the view shows: the table's width, down to its bottom.
    Rect wholeTable() const;

    // Where a picture lying at `table` is drawn, in whole device pixels of the view: its corner at the
    // nearest device pixel, its size the same wherever it lies, so that a picture rendered at that
    // size is copied whole, never cut or stretched, and a card covers exactly the place it lies on.
    Rect toDevice(const RectF& table) const;
    // Every device pixel that these view pixels cover.
    Rect toDevice(const Rect& view) const;

private:
    double factor_ = 1.0;
    double ratio_ = 1.0;
    double left_ = 0.0;
    double bottom_ = 425.0;
    Rect tableArea_{0, 0, 594, 425};
};

}  // namespace morvane
