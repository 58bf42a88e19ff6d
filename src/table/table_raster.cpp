// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything here lands on whole device pixels that the zoom gives it, so that a piece of it painted
// again lands where the whole did, at any zoom and pixel ratio.
#include "table_raster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt_pixels.h"
#include "view/table_decoration.h"

namespace morvane {
namespace {

// Table pixels drawn on a painter that draws in device pixels from `origin`.
void drawInTablePixels(QPainter& painter, const TableZoom& zoom, QPointF origin = {})
{
    painter.translate(zoom.left() * zoom.ratio() - origin.x(), -origin.y());
    painter.scale(zoom.factor() * zoom.ratio(), zoom.factor() * zoom.ratio());
}

// Qt hands a pattern fill of more than about a hundred rows to its thread pool, and the hand-over
// costs more than the fill: a hatch is filled in bands of fewer rows.
void hatch(QPainter& painter, const QRect& box, const QColor& colour)
{
    constexpr int kBand = 16;
    const QBrush brush(colour, Qt::DiagCrossPattern);
    for (int top = box.top(); top <= box.bottom(); top += kBand) {
        painter.fillRect(QRect(box.left(), top, box.width(), std::min(kBand, box.bottom() + 1 - top)), brush);
    }
}

}  // namespace

void drawDecoration(QPainter& painter, const TableZoom& zoom, int bottom)
{
    painter.save();
    drawInTablePixels(painter, zoom);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Decoration table = decoration(bottom);
    for (const Ink& ink : table.inks) {
        const QPoint from(ink.from.x, ink.from.y);
        const QPoint to(ink.to.x, ink.to.y);
        if (ink.kind == Ink::Kind::Box) {
            painter.fillRect(QRect(from, to), toQColor(ink.colour));
        } else {
            painter.setPen(QPen(toQColor(ink.colour), 1));
            painter.drawLine(from, to);
        }
    }
    const Ring& ring = table.ring;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(toQColor(ring.outline), ring.width));
    painter.setBrush(toQColor(ring.inside));
    painter.drawEllipse(QPointF(ring.centre.x, ring.centre.y), ring.radius, ring.radius);
    painter.restore();
}

// The outline is a table pixel wide, at least one device pixel, along the inside of the box, so that a
// card lying on the place covers every pixel of it.
void drawPlaceMark(QPainter& painter, const Rect& box, const PlaceMark& mark, const TableZoom& zoom)
{
    const QRect area = toQRect(box);
    const QColor colour = toQColor(mark.colour);
    hatch(painter, area, colour);
    const int width = std::max(1, static_cast<int>(std::lround(zoom.factor() * zoom.ratio())));
    painter.fillRect(QRect(area.left(), area.top(), area.width(), width), colour);
    painter.fillRect(QRect(area.left(), area.bottom() + 1 - width, area.width(), width), colour);
    painter.fillRect(QRect(area.left(), area.top(), width, area.height()), colour);
    painter.fillRect(QRect(area.right() + 1 - width, area.top(), width, area.height()), colour);
}

QPixmap renderLabel(const RectF& box, const Rect& extent, const QFont& font, int flags, const QString& text,
                     Rgb ground, Rgb colour, const TableZoom& zoom)
{
    const Rect device = zoom.toDevice(toRectF(extent));
    QPixmap picture(device.width, device.height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawInTablePixels(painter, zoom, QPointF(device.left, device.top));
    const QRectF area = toQRectF(box);
    painter.fillRect(area, toQColor(ground));
    painter.setPen(QPen(toQColor(kLabelBorder), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(area, flags, text);
    return picture;
}

}  // namespace morvane
