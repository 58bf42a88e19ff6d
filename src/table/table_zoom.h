// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one mapping between the view's pixels and the table's: the table zoomed to fit its window.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;

namespace morvane {

// The table is drawn zoomed by the largest factor at which its 594 x 425 fits the view, at the top
// and centred across; the room left over is table too, so a view taller than the zoomed table shows
// more of the table below. The game only ever sees table pixels: pointer positions are mapped back.
class TableZoom {
public:
    TableZoom() = default;  // the view at the table's own size: nothing moves
    explicit TableZoom(QSize view);

    qreal factor() const { return factor_; }
    // How far down the table reaches, in table pixels: 425, or more where the view is taller.
    qreal bottom() const { return bottom_; }

    QPointF toTable(QPointF viewPoint) const;
    QRectF toView(const QRectF& table) const;
    // Every view pixel that these table pixels cover, in part or whole.
    QRect toView(const QRect& table) const;
    // Every table pixel that these view pixels show, in part or whole.
    QRect toTable(const QRect& view) const;
    // The view pixels the table shows in: all the height, the table's own width.
    QRect tableArea() const { return tableArea_; }
    // The table pixels the view shows: the table's width, down to its bottom.
    QRect wholeTable() const;

    // Makes the painter draw in table pixels.
    void apply(QPainter& painter) const;

private:
    qreal factor_ = 1.0;
    qreal left_ = 0.0;
    qreal bottom_ = 425.0;
    QRect tableArea_{0, 0, 594, 425};
};

}  // namespace morvane
