// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom is worked out once per view size; drawing and the pointer both go through it.
#include "table_zoom.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/geometry.h"

namespace morvane {
namespace {

constexpr qreal kWidth = geometry::kTableWidth;
constexpr qreal kHeight = geometry::kTableHeight;

}  // namespace

TableZoom::TableZoom(QSize view)
    : factor_(std::min(view.width() / kWidth, view.height() / kHeight)),
      // Whole view pixels from the left, so that the table's edges fall where they fall at its own size.
      left_(std::floor((view.width() - kWidth * factor_) / 2.0)),
      bottom_(std::max(kHeight, view.height() / factor_)),
      tableArea_(toView(QRectF(0.0, 0.0, kWidth, bottom_)).toAlignedRect() & QRect(QPoint(0, 0), view))
{
}

QPointF TableZoom::toTable(QPointF viewPoint) const
{
    return {(viewPoint.x() - left_) / factor_, viewPoint.y() / factor_};
}

QRectF TableZoom::toView(const QRectF& table) const
{
    return {left_ + table.x() * factor_, table.y() * factor_, table.width() * factor_, table.height() * factor_};
}

QRect TableZoom::toView(const QRect& table) const { return toView(QRectF(table)).toAlignedRect(); }

QRect TableZoom::toTable(const QRect& view) const
{
    const QPointF topLeft = toTable(QPointF(view.topLeft()));
    return QRectF(topLeft, QSizeF(view.size()) / factor_).toAlignedRect();
}

QRect TableZoom::wholeTable() const { return {0, 0, geometry::kTableWidth, static_cast<int>(std::ceil(bottom_))}; }

void TableZoom::apply(QPainter& painter) const
{
    painter.translate(left_, 0.0);
    painter.scale(factor_, factor_);
}

}  // namespace morvane
