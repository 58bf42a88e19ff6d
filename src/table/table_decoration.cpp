// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table decoration, drawn once per deal like ink on the table: boxes include both corners.
#include "table_decoration.h"

#include <QPainter>

#include "game/geometry.h"

namespace morvane {
namespace {

const QColor kDarkGreen(0, 64, 0);
const QColor kSilver(192, 192, 192);
const QColor kShadow(128, 128, 128);

void line(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    painter.setPen(QPen(colour, 1));
    painter.drawLine(from, to);
}

QPoint pixel(float x, float y) { return {static_cast<int>(x), static_cast<int>(y)}; }

void filledBox(QPainter& painter, QPoint from, QPoint to) { painter.fillRect(QRect(from, to), kDarkGreen); }

}  // namespace

void drawDecoration(QPainter& painter, int bottom)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    filledBox(painter, {85, 115}, {370, bottom});
    line(painter, {84, 116}, {84, bottom}, Qt::black);
    line(painter, {84, 116}, {370, 116}, Qt::black);
    line(painter, {370, 116}, {370, bottom}, kSilver);
    const QRect stock(pixel(geometry::kStockLeft, geometry::kStockTopEdge),
                      pixel(geometry::kStockRight, geometry::kStockBottom));
    filledBox(painter, stock.topLeft(), stock.bottomRight());
    const QRect frame = stock.adjusted(-1, -1, 1, 1);
    line(painter, frame.topLeft(), frame.topRight(), Qt::black);
    line(painter, frame.topLeft(), frame.bottomLeft(), Qt::black);
    line(painter, frame.bottomLeft(), frame.bottomRight(), kShadow);
    line(painter, frame.topRight(), frame.bottomRight(), kShadow);
    // The empty-stock ring: white, three pixels wide, filled like every closed figure on the table.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(kDarkGreen);
    painter.drawEllipse(QPointF(531, 60), 20, 20);
    painter.restore();
}

}  // namespace morvane
