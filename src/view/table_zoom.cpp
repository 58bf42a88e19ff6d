// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom is worked out once per view size; drawing and the pointer both go through it.
#include "view/table_zoom.h"

#include <algorithm>
#include <cmath>

#include "game/geometry.h"

namespace morvane {
namespace {

constexpr double kWidth = geometry::kTableWidth;
constexpr double kHeight = geometry::kTableHeight;

}  // namespace

TableZoom::TableZoom(int viewWidth, int viewHeight, double ratio)
    : factor_(std::min(viewWidth / kWidth, viewHeight / kHeight)),
      ratio_(ratio),
      // Whole view pixels from the left, so that the table's edges fall where they fall at its own size.
      left_(std::floor((viewWidth - kWidth * factor_) / 2.0)),
      bottom_(std::max(kHeight, viewHeight / factor_)),
      tableArea_(toView(RectF{0.0, 0.0, kWidth, bottom_}).alignedRect() & Rect{0, 0, viewWidth, viewHeight})
{
}

PointF TableZoom::toTable(PointF viewPoint) const { return {(viewPoint.x - left_) / factor_, viewPoint.y / factor_}; }

RectF TableZoom::toView(const RectF& table) const
{
    return {left_ + table.left * factor_, table.top * factor_, table.width * factor_, table.height * factor_};
}

Rect TableZoom::toView(const Rect& table) const { return toView(toRectF(table)).alignedRect(); }

Rect TableZoom::toTable(const Rect& view) const
{
    const PointF topLeft = toTable(PointF{double(view.left), double(view.top)});
    return RectF{topLeft.x, topLeft.y, view.width / factor_, view.height / factor_}.alignedRect();
}

Rect TableZoom::wholeTable() const
{
    return {0, 0, geometry::kTableWidth, static_cast<int>(std::ceil(bottom_))};
}


Rect TableZoom::toDevice(const RectF& table) const
{
    const double scale = factor_ * ratio_;
    const auto whole = [](double pixels) { return static_cast<int>(std::lround(pixels)); };
    return {whole((left_ + table.left * factor_) * ratio_), whole(table.top * scale), whole(table.width * scale),
            whole(table.height * scale)};
}

Rect TableZoom::toDevice(const Rect& view) const
{
    return RectF{view.left * ratio_, view.top * ratio_, view.width * ratio_, view.height * ratio_}.alignedRect();
}

}  // namespace morvane
